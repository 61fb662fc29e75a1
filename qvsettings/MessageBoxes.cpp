#include "MessageBoxes.h"

#include <QMessageBox>
#include <QPushButton>

namespace {
IMessageBoxes* g_pMessageBoxes = nullptr;
}

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
