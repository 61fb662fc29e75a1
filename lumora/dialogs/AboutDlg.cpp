#include "dialogs/AboutDlg.h"

#include <QPainter>

#include "files/LoadBmpFile.h"

namespace lumora {
namespace {

const QColor kBackground(212, 208, 200);  // 0xC8D0D4

QFont Arial(int pixelHeight, int pixelWidth, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    // An average character about pixelWidth wide (Arial's is about half its height).
    if (pixelWidth > 0)
        f.setStretch(std::clamp(pixelWidth * 200 / pixelHeight, 1, 4000));
    return f;
}

}  // namespace

QRect AboutDlg::Placement(const QSize& s) {
    const int W = s.width();
    const int H = s.height();
    const int c = (89 * W) / 1000;
    if (W > kSmallScreenWidth)
        return QRect((5 * c) / 2, (3 * (H / 10)) / 2, 2 * W / 3 - c, 2 * H / 3 - H / 10);
    return QRect(c + 5 * (W / 100), 4 * (W / 100), 3 * W / 4 - 3 * (W / 100), 3 * H / 4);
}

AboutDlg::AboutDlg(const QSize& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_screen(screen) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(tr("About Lumora"));
    m_timer.setSingleShot(true);
    m_timer.setInterval(kShownMs);
    connect(&m_timer, &QTimer::timeout, this, &QDialog::close);
}

void AboutDlg::showGreeting() {
    const QRect place = Placement(m_screen);
    const QWidget* owner = parentWidget();
    setGeometry(QRect(owner ? owner->mapToGlobal(place.topLeft()) : place.topLeft(), place.size()));
    LoadBmpFile(QString::fromLatin1(kLogo), m_logo);
    LoadBmpFile(QString::fromLatin1(kPartnerLogo), m_partnerLogo);
    m_timer.start();
    show();
}

void AboutDlg::hideEvent(QHideEvent* e) {
    m_timer.stop();
    QDialog::hideEvent(e);
}

void AboutDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);

    const QFont name = Arial(22, 11, true);
    p.setFont(name);
    p.setPen(Qt::black);
    const QString title = QStringLiteral("Lumora");
    const int top = 20;
    const int baseline = top + QFontMetrics(name).ascent();
    p.drawText(20, baseline, title);
    const int nameWidth = QFontMetrics(name).horizontalAdvance(title);
    p.setFont(Arial(13, 0, false));
    p.drawText(20 + nameWidth + 6, baseline, QStringLiteral("v2.7"));

    if (!m_logo.isNull())
        p.drawImage(QPoint(240, 15), m_logo, QRect(0, 0, kLogoWidth, kLogoHeight));

    const QFont hint = Arial(18, 9, false);
    p.setFont(hint);
    int y = 140;
    const int hintLine = QFontMetrics(hint).height();
    p.drawText(20, y, tr("To start drawing with your eyes, look at the \"Line\" button and then hold"));
    y += hintLine;
    p.drawText(20, y, tr("your eyes steady on the screen."));

    const QFont heading = Arial(14, 0, true);
    const QFont body = Arial(14, 0, false);
    const int line = QFontMetrics(body).height();
    const auto block = [&](const char* title, std::initializer_list<const char*> lines, bool firstBold) {
        y += line;
        if (title) {
            p.setFont(heading);
            p.drawText(20, y += line, tr(title));
        }
        bool bold = firstBold;
        for (const char* text : lines) {
            p.setFont(bold ? heading : body);
            p.drawText(20, y += line, tr(text));
            bold = false;
        }
    };
    block(QT_TR_NOOP("Creators"),
          {QT_TR_NOOP("The Lumora team at Quorvane: design, drawing canvas and gaze input."),
           QT_TR_NOOP("Built with the people who draw with it, their families and therapists.")},
          false);
    block(QT_TR_NOOP("Acknowledgments"),
          {QT_TR_NOOP("Thanks to every tester who drew the first pictures with a Quorvane tracker,"),
           QT_TR_NOOP("and to the schools and clinics that lent their time.")},
          false);
    block(nullptr,
          {QT_TR_NOOP("Lumora is provided as is, without warranty of any kind."),
           QT_TR_NOOP("Copyright Quorvane. Use it freely for drawing, study and play.")},
          true);

    if (!m_partnerLogo.isNull())
        p.drawImage(QPoint(155, 485), m_partnerLogo, QRect(0, 0, kPartnerLogoWidth, kPartnerLogoHeight));
}

}  // namespace lumora
