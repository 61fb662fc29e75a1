#pragma once
// Message boxes of the editor. Every question the editor asks goes through IMessageBoxes so that
// tests can answer it; the program uses the Qt implementation. All calls on the UI thread.

#include <QString>

class QWidget;

enum class MsgButtons { OkCancel, YesNo, Ok };  // Ok alone: a notice, answered Ok
enum class MsgAnswer { Ok, Cancel, Yes, No };
enum class MsgIcon { None, Exclamation };

struct MessageBoxRequest {
    QString text;
    QString caption;
    MsgButtons buttons = MsgButtons::OkCancel;
    MsgIcon icon = MsgIcon::None;
    MsgAnswer defaultAnswer = MsgAnswer::Ok;
};

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // Shows the box modally over parent (may be null) and returns the button pressed. Closing
    // the box without a button counts as Cancel (or No).
    virtual MsgAnswer Ask(QWidget* parent, const MessageBoxRequest& request) = 0;
};

class QtMessageBoxes : public IMessageBoxes {
public:
    MsgAnswer Ask(QWidget* parent, const MessageBoxRequest& request) override;
};

// The boxes the editor uses. Never null: without an installed one the Qt implementation answers.
IMessageBoxes& MessageBoxes();
// Installs boxes (not owned; must outlive their use); nullptr goes back to the Qt implementation.
void SetMessageBoxes(IMessageBoxes* boxes);
