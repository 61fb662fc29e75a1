#include "dialogs/HelpDlg.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "Translations.h"
#include "app/SoundPlayer.h"
#include "buttons/LumoraButton.h"
#include "dialogs/GazeDialog.h"

namespace lumora {

QRect HelpDlg::Placement(const QSize& s) {
    // Wide enough for lines of some eighty characters, tall enough for the longer text.
    return QRect(s.width() / 8, s.height() / 20, 3 * s.width() / 4, 9 * s.height() / 10);
}

HelpDlg::HelpDlg(const QSize& screen, SoundPlayer& sound, QString text, QString soundFile, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      m_sound(sound),
      m_screen(screen),
      m_text(std::move(text)),
      m_soundFile(std::move(soundFile)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Modal while shown, without a nested event loop of its own.
    setWindowModality(Qt::ApplicationModal);
    m_play = new LM_UtilityButton(kGroupPlayHelp, tr("Play"), tr("Play"), this);
    m_stop = new LM_UtilityButton(kGroupStopHelp, tr("Stop"), tr("Stop"), this);
    m_close = new LM_UtilityButton(kGroupCancel, tr("Close"), tr("Close"), this);
    const int b = GazeDialog::ButtonWidth(screen);
    const int h = GazeDialog::ButtonHeight(screen);
    const int c = GazeDialog::Margin(screen);
    const int w = Placement(screen).width();
    // Centred along the top, above the text panel.
    const int left = w / 2 - (3 * b + 2 * 3 * c) / 2;
    int x = left;
    for (LM_UtilityButton* button : {m_play, m_stop, m_close}) {
        button->setGeometry(x, std::max(c, (kPanelTop - h) / 2), b, std::min(h, kPanelTop - 2 * c));
        connect(button, &QAbstractButton::clicked, button, &LumoraButton::activate);
        x += b + 3 * c;
    }
}

HelpDlg::~HelpDlg() = default;

void HelpDlg::showHelp() {
    const QRect place = Placement(m_screen);
    const QWidget* owner = parentWidget();
    const QWidget* mainWindow = owner ? owner->parentWidget() : nullptr;
    setGeometry(QRect(mainWindow ? mainWindow->mapToGlobal(place.topLeft()) : place.topLeft(), place.size()));
    drawPicture();
    m_marker = QRect(0, 0, kMarkerSize, kMarkerSize);
    m_underMarker = m_picture.copy(m_marker);
    show();
    raise();
    activateWindow();
}

void HelpDlg::drawPicture() {
    const QSize size = Placement(m_screen).size();
    m_picture = QImage(size, QImage::Format_RGB32);
    m_picture.fill(ColorRefToQRgb(kColorBackground));
    QPainter p(&m_picture);
    const QRect panel(QPoint(kPanelLeft, kPanelTop),
                      QPoint(size.width() - kPanelInset - 1, size.height() - kPanelInset - 1));
    p.fillRect(panel, Qt::white);
    QFont font;
    font.setPixelSize(kTextHeight);
    // Characters kTextWidth wide on average, so the whole text fits the panel.
    const int natural = QFontMetrics(font).averageCharWidth();
    if (natural > 0)
        font.setStretch(std::clamp(100 * kTextWidth / natural, 1, 4000));
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(panel.adjusted(kTextInset, kTextInset, 0, 0), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, m_text);
}

void HelpDlg::handleMessage(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
    if (msg == WM_GAZE_POINT)
        gazePoint(wParam, lParam);
    else if (msg == WM_BUTTON_CHOSEN)
        act(static_cast<int>(lParam));
}

void HelpDlg::gazePoint(std::uintptr_t wParam, std::intptr_t lParam) {
    if (!m_picture.isNull()) {
        QPainter p(&m_picture);
        p.drawImage(m_marker.topLeft(), m_underMarker);
        update(m_marker);
        const QPoint at = PointFromLParam(lParam) - Placement(m_screen).topLeft();
        m_marker.moveTo(at);
        m_underMarker = m_picture.copy(m_marker);
        p.fillRect(m_marker, ColorRefToQColor(kColorGazeCursor));
        update(m_marker);
    }
    for (LM_UtilityButton* b : {m_play, m_stop, m_close})
        PostLumoraMessage(b, WM_GAZE_POINT, wParam, lParam);
}

void HelpDlg::act(int group) {
    const QString click = QString::fromLatin1(kClickSound);
    switch (group) {
        case kGroupPlayHelp:
            // The click to its end, then the text from its beginning (a new sound replaces one
            // still playing, so a second Play restarts it).
            m_sound.playSync(click);
            // The recording in the language of the text; English where there is none.
            m_sound.playAsync(languages::LocalizedFile(m_soundFile));
            break;
        case kGroupStopHelp:
            m_sound.stop();
            m_sound.playSync(click);
            break;
        case kGroupCancel:
            m_sound.stop();
            m_sound.playSync(click);
            hide();
            break;
        default:
            break;
    }
}

bool HelpDlg::event(QEvent* e) {
    return DeliverLumoraMessage(e, [this](const LumoraMessageEvent& m) { handleMessage(m.msg(), m.wParam(), m.lParam()); }) ||
           QDialog::event(e);
}

void HelpDlg::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    if (m_picture.isNull())
        p.fillRect(e->rect(), ColorRefToQColor(kColorBackground));
    else
        p.drawImage(e->rect(), m_picture, e->rect());
}

}  // namespace lumora
