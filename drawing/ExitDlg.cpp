#include "ExitDlg.h"

#include <QPaintEvent>
#include <QPainter>

#include "LumoraButton.h"
#include "MessageRegistry.h"

namespace lumora {
namespace {

// The confirmation dialogs' button size and gap, from the screen size.
int ButtonWidth(const QSize& s) {
    return (89 * s.width()) / 1000;
}
int ButtonHeight(const QSize& s) {
    return s.height() / 10;
}
int Margin(const QSize& s) {
    return s.width() / 100;
}

}  // namespace

QRect ExitDlg::Placement(const QSize& s) {
    return QRect(s.width() / 3, s.height() / 3, s.width() / 3, s.height() / 4);
}

QRect ExitDlg::ExitButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 - 3 * Margin(s) - ButtonWidth(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

QRect ExitDlg::StayButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 + 3 * Margin(s), ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

ExitDlg::ExitDlg(const QSize& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_screen(screen) {
    setWindowTitle(QStringLiteral("Exit Lumora"));
    setModal(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_exit = new LM_UtilityButton(GROUP_EXIT, QStringLiteral("Exit"), QStringLiteral("Exit"), this);
    m_stay = new LM_UtilityButton(GROUP_CANCEL, QStringLiteral("Don't Exit"), QStringLiteral("Don't Exit"), this);
    m_exit->setGeometry(ExitButtonPlace(screen));
    m_stay->setGeometry(StayButtonPlace(screen));
    connect(m_exit, &QAbstractButton::clicked, m_exit, &LumoraButton::activate);
    connect(m_stay, &QAbstractButton::clicked, m_stay, &LumoraButton::activate);
}

ExitDlg::~ExitDlg() = default;

void ExitDlg::showEvent(QShowEvent* e) {
    // Placed and drawn afresh at each opening.
    const QRect place = Placement(m_screen);
    const QWidget* owner = parentWidget();
    setGeometry(QRect(owner ? owner->mapToGlobal(place.topLeft()) : place.topLeft(), place.size()));
    m_picture = QImage(place.size(), QImage::Format_RGB32);
    m_picture.fill(ColorRefToQColor(COLOR_BACKGROUND));
    {
        QPainter p(&m_picture);
        p.setPen(Qt::black);
        p.drawRect(m_picture.rect().adjusted(0, 0, -1, -1));
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(std::max(1, ButtonHeight(m_screen) / 4));
        p.setFont(font);
        p.drawText(QRect(0, 0, place.width(), ButtonHeight(m_screen)), Qt::AlignCenter | Qt::TextWordWrap,
                   QString::fromLatin1(kQuestion));
    }
    m_clean = m_picture;
    m_cursor.create(place.size(), COLOR_BACKGROUND);
    m_cursor.setColor(COLOR_GAZE_CURSOR);
    QDialog::showEvent(e);
}

bool ExitDlg::event(QEvent* e) {
    if (e->type() != LumoraMessageEvent::eventType())
        return QDialog::event(e);
    const auto* m = static_cast<const LumoraMessageEvent*>(e);
    if (m->msg() == WM_GAZE_POINT)
        gazePoint(m->wParam(), m->lParam());
    else if (m->msg() == WM_BUTTON_CHOSEN)
        buttonChosen(static_cast<int>(m->lParam()));
    return true;
}

void ExitDlg::gazePoint(std::uintptr_t wParam, std::intptr_t lParam) {
    if (!m_picture.isNull()) {
        const QPoint p = PointFromLParam(lParam) - Placement(m_screen).topLeft();
        m_cursor.erase(m_picture);
        update(m_cursor.rect());
        m_cursor.centerAt(p.x(), p.y());
        m_cursor.draw(m_picture, m_clean);
        update(m_cursor.rect());
    }
    PostLumoraMessage(m_exit, WM_GAZE_POINT, wParam, lParam);
    PostLumoraMessage(m_stay, WM_GAZE_POINT, wParam, lParam);
}

void ExitDlg::buttonChosen(int group) {
    // The button has already played its click.
    if (group == GROUP_EXIT)
        done(kConfirmed);
    else if (group == GROUP_CANCEL)
        done(kCancelled);
}

void ExitDlg::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(e->rect(), ColorRefToQColor(COLOR_BACKGROUND));
    else
        p.drawImage(e->rect(), m_picture, e->rect());
}

}  // namespace lumora
