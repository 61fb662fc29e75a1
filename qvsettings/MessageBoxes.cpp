#include "MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
IMessageBoxes* g_pMessageBoxes = nullptr;

// Qt names its standard buttons from its own catalogue, and Debian ships none for Swedish; ours
// carry these texts in Qt's context for such a language. Listed here only for the catalogue tools.
[[maybe_unused]] const char* const kStandardButtonTexts[] = {
    QT_TRANSLATE_NOOP("QPlatformTheme", "&Yes"),  QT_TRANSLATE_NOOP("QPlatformTheme", "&No"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "OK"),    QT_TRANSLATE_NOOP("QPlatformTheme", "Cancel"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Apply"), QT_TRANSLATE_NOOP("QPlatformTheme", "Close"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Save"),  QT_TRANSLATE_NOOP("QPlatformTheme", "Open"),
    QT_TRANSLATE_NOOP("QPlatformTheme", "Help")};
}  // namespace

MsgAnswer QtMessageBoxes::Ask(QWidget* parent, const MessageBoxRequest& request) {
    QMessageBox box(request.icon == MsgIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon, request.caption,
                    request.text, QMessageBox::NoButton, parent);
    if (request.buttons == MsgButtons::Ok) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return MsgAnswer::Ok;
    }
    const bool yesNo = request.buttons == MsgButtons::YesNo;
    QPushButton* first = box.addButton(yesNo ? QMessageBox::Yes : QMessageBox::Ok);
    QPushButton* second = box.addButton(yesNo ? QMessageBox::No : QMessageBox::Cancel);
    const bool firstIsDefault = request.defaultAnswer == MsgAnswer::Ok || request.defaultAnswer == MsgAnswer::Yes;
    box.setDefaultButton(firstIsDefault ? first : second);
    box.setEscapeButton(second);
    box.exec();
    if (box.clickedButton() == first) {
        return yesNo ? MsgAnswer::Yes : MsgAnswer::Ok;
    }
    return yesNo ? MsgAnswer::No : MsgAnswer::Cancel;
}

IMessageBoxes& MessageBoxes() {
    static QtMessageBoxes qtBoxes;
    return g_pMessageBoxes ? *g_pMessageBoxes : qtBoxes;
}

void SetMessageBoxes(IMessageBoxes* boxes) {
    g_pMessageBoxes = boxes;
}
