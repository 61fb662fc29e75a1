#include "InstructionDlg.h"

#include <QPainter>

#include "LoadBmpFile.h"

namespace lumora {
namespace {

const QColor kBackground(212, 208, 200);

QFont Arial(int pixelHeight, bool bold) {
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(pixelHeight);
    f.setBold(bold);
    return f;
}

}  // namespace

QRect InstructionDlg::Placement(const QSize& s) {
    const int W = s.width();
    const int H = s.height();
    const int c = (89 * W) / 1000;
    constexpr int kSmallScreenWidth = 1024;
    if (W > kSmallScreenWidth)
        return QRect((5 * c) / 2, (3 * (H / 10)) / 2, 2 * W / 3 - c, 2 * H / 3 - H / 10);
    return QRect(c + 5 * (W / 100), 4 * (W / 100), 3 * W / 4 - 3 * (W / 100), 3 * H / 4);
}

InstructionDlg::InstructionDlg(const QSize& screen, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setWindowTitle(QStringLiteral("About Lumora"));
    const QRect place = Placement(screen);
    setGeometry(QRect(parent ? parent->mapToGlobal(place.topLeft()) : place.topLeft(), place.size()));
    LoadBmpFile(QStringLiteral("Lumora/Images/LumoraLogo.bmp"), m_logo);
    LoadBmpFile(QStringLiteral("Lumora/Images/VelLogo.bmp"), m_partnerLogo);
    m_timer.setSingleShot(true);
    connect(&m_timer, &QTimer::timeout, this, &QDialog::close);
    m_timer.start(kShownMs);
}

void InstructionDlg::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), kBackground);
    p.setPen(Qt::black);
    p.drawRect(rect().adjusted(0, 0, -1, -1));

    p.setFont(Arial(22, true));
    const QString name = QStringLiteral("Lumora");
    p.drawText(20, 20 + 22, name);
    const int nameWidth = QFontMetrics(p.font()).horizontalAdvance(name);
    p.setFont(Arial(13, false));
    p.drawText(20 + nameWidth + 6, 20 + 22, QStringLiteral("v2.7"));

    if (!m_logo.isNull())
        p.drawImage(QPoint(240, 15), m_logo);

    p.setFont(Arial(18, false));
    int y = 150;
    p.drawText(20, y, QStringLiteral("To start drawing with your eyes, look at the \"Line\" button and then hold"));
    y += 24;
    p.drawText(20, y, QStringLiteral("your eyes steady on the screen."));

    y += 44;
    p.setFont(Arial(14, true));
    p.drawText(20, y, QStringLiteral("Creators"));
    p.setFont(Arial(14, false));
    y += 20;
    p.drawText(20, y, QStringLiteral("The Lumora team, for people who draw with their eyes."));
    y += 32;
    p.setFont(Arial(14, true));
    p.drawText(20, y, QStringLiteral("Acknowledgments"));
    p.setFont(Arial(14, false));
    y += 20;
    p.drawText(20, y, QStringLiteral("Thanks to every tester who drew the first pictures with a Quorvane tracker."));
    y += 32;
    p.setFont(Arial(14, true));
    p.drawText(20, y, QStringLiteral("This program is provided as is, without warranty of any kind."));
    p.setFont(Arial(14, false));
    y += 20;
    p.drawText(20, y, QStringLiteral("Use it freely for drawing, study and play."));

    if (!m_partnerLogo.isNull())
        p.drawImage(QPoint(155, 485), m_partnerLogo);
}

}  // namespace lumora
