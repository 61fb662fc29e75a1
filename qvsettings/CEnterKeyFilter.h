#pragma once
// Application-wide Enter rule: Enter on a page control never closes the sheet. On an edit field
// it moves the focus on (Tab), on a button, check box or radio button it presses it (Space), on
// a combo box it picks the next item (Down). Enter elsewhere is left alone.

#include <QObject>

class CEnterKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // The key posted instead of Enter to target, or 0 when Enter is left alone there.
    static int ReplacementKey(const QObject* target);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
