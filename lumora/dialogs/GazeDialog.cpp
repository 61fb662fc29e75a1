#include "dialogs/GazeDialog.h"

#include <QPaintEvent>
#include <QPainter>

#include "buttons/LumoraButton.h"

namespace lumora {

GazeDialog::GazeDialog(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_sound(sound), m_screen(screen) {
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GazeDialog::addGazeButton(LumoraButton* button) {
    m_buttons.push_back(button);
    connect(button, &QAbstractButton::clicked, button, &LumoraButton::activate);
}

void GazeDialog::place(const QRect& rect) {
    m_place = rect;
    // Screen points are the main window's pixels, whoever runs the dialog: a question asked by
    // the open dialog stands where the main window's coordinates say, not offset by its owner.
    const QWidget* mainWindow = parentWidget();
    while (mainWindow && mainWindow->parentWidget())
        mainWindow = mainWindow->parentWidget();
    setGeometry(QRect(mainWindow ? mainWindow->mapToGlobal(rect.topLeft()) : rect.topLeft(), rect.size()));
    m_cursor.create(rect.size(), kColorBackground);
    m_cursor.setColor(kColorGazeCursor);
    m_cursorShown = false;
    m_clean = QImage(rect.size(), QImage::Format_RGB32);
    m_clean.fill(ColorRefToQRgb(kColorBackground));
    m_picture = m_clean;
}

void GazeDialog::redrawPicture() {
    if (m_clean.isNull())
        return;
    m_clean.fill(ColorRefToQRgb(kColorBackground));
    drawContent(m_clean);
    m_picture = m_clean;
    if (m_cursorShown)
        m_cursor.draw(m_picture, m_clean);
    update();
}

void GazeDialog::moveCursor(const QPoint& p) {
    if (m_picture.isNull())
        return;
    if (m_cursorShown) {
        m_cursor.erase(m_picture);
        update(m_cursor.rect());
    }
    m_cursor.centerAt(p.x(), p.y());
    m_cursor.draw(m_picture, m_clean);
    m_cursorShown = true;
    update(m_cursor.rect());
}

void GazeDialog::gazePoint(std::uintptr_t wParam, std::intptr_t lParam) {
    moveCursor(dialogPoint(PointFromLParam(lParam)));
    for (LumoraButton* b : m_buttons)
        PostLumoraMessage(b, WM_GAZE_POINT, wParam, lParam);
}

void GazeDialog::handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg == WM_GAZE_POINT)
        gazePoint(wParam, lParam);
    else if (msg == WM_BUTTON_CHOSEN)
        buttonChosen(wParam, static_cast<int>(lParam));
}

bool GazeDialog::event(QEvent* e) {
    return DeliverLumoraMessage(e, [this](const LumoraMessageEvent& m) { handleMessage(m.msg(), m.wParam(), m.lParam()); }) ||
           QDialog::event(e);
}

void GazeDialog::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(e->rect(), ColorRefToQColor(kColorBackground));
    else
        p.drawImage(e->rect(), m_picture, e->rect());
}

}  // namespace lumora
