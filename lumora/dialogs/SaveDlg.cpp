#include "dialogs/SaveDlg.h"

#include <QFileInfo>
#include <QFontMetrics>
#include <QPainter>

#include "buttons/LumoraButton.h"
#include "dialogs/SaveHelpDlg.h"
#include "app/SoundPlayer.h"

namespace lumora {

QString SaveDlg::NewFileName(const QDateTime& localTime) {
    const QString stem = QString::fromLatin1(kNamePrefix) + localTime.toString(QString::fromLatin1(kNameTimeFormat));
    const QString suffix = QString::fromLatin1(kNameSuffix);
    QString name = stem + suffix;
    for (int n = 1; QFileInfo::exists(name); ++n) {
        const QString digits = QString::number(n);
        name = stem + QLatin1Char('_') + QString(digits.size() - 1, QLatin1Char('z')) + digits + suffix;
    }
    return name;
}

QRect SaveDlg::Placement(const QSize& s) {
    return QRect(s.width() / 4, s.height() / 4, 5 * s.width() / 12, s.height() / 3);
}

namespace {

QRect RowButton(const QSize& s, int slot) {
    // Slot -1 left of centre, 0 at the centre, 1 right of centre, one margin apart.
    const int w = SaveDlg::Placement(s).width();
    const int b = GazeDialog::ButtonWidth(s);
    const int x = w / 2 - b / 2 + slot * (b + GazeDialog::Margin(s));
    return QRect(x, 2 * GazeDialog::ButtonHeight(s), b, GazeDialog::ButtonHeight(s));
}

}  // namespace

QRect SaveDlg::SaveButtonPlace(const QSize& s) {
    return RowButton(s, -1);
}
QRect SaveDlg::NoSaveButtonPlace(const QSize& s) {
    return RowButton(s, 0);
}
QRect SaveDlg::CancelButtonPlace(const QSize& s) {
    return RowButton(s, 1);
}
QRect SaveDlg::HelpButtonPlace(const QSize& s) {
    // Left of the snapshot, above the row.
    const int h = std::min(ButtonHeight(s), 2 * ButtonHeight(s) - kSnapshotTop - Margin(s));
    return QRect(Margin(s), kSnapshotTop, ButtonWidth(s), std::max(1, h));
}

namespace {

// Arial of that pixel height, or smaller where the font in use is wider than the text's room
// (a substitute for Arial often is): a name cut at the sides is no better than one cut below.
QFont FittingFont(int pixelHeight, const QString& text, int width) {
    constexpr int kSmallestPixels = 10;
    QFont font(QStringLiteral("Arial"));
    for (int px = pixelHeight; px >= kSmallestPixels; --px) {
        font.setPixelSize(px);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

}  // namespace

QFont SaveDlg::QuestionFont(const QSize& s) {
    return FittingFont(kQuestionFontHeight, tr(kQuestion), Placement(s).width() - 2 * Margin(s));
}

QFont SaveDlg::NameFont(const QSize& s, const QString& name) {
    return FittingFont(kNameFontHeight, name, Placement(s).width() - 2 * Margin(s));
}

QRect SaveDlg::QuestionPlace(const QSize& s) {
    return QRect(0, 0, Placement(s).width(), kNameTop);
}

QRect SaveDlg::NamePlace(const QSize& s) {
    // The pixel size is the letters' height; a line takes more (how much depends on the font
    // in use and its hinting), and a box of about the pixel size cut the underscores and
    // descenders of the name. A smaller font for a long name fits the same box.
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kNameFontHeight);
    return QRect(0, kNameTop, Placement(s).width(), QFontMetrics(font).lineSpacing() + 1);
}

QRect SaveDlg::SnapshotPlace(const QSize& s) {
    const int w = (s.width() - kSnapshotWidthLess) / kSnapshotScale;
    const int h = (s.height() - kSnapshotHeightLess) / kSnapshotScale;
    return QRect((Placement(s).width() - w) / 2, kSnapshotTop, w, h);
}

SaveDlg::SaveDlg(const QSize& screen, SoundPlayer& sound, SnapshotSource snapshot, QWidget* parent)
    : GazeDialog(screen, sound, parent),
      m_snapshotSource(std::move(snapshot)),
      m_clock([] { return QDateTime::currentDateTime(); }) {
    setWindowTitle(tr("Save"));
    m_save = addButton(new LM_UtilityButton(kGroupSave, tr("Save"), tr("Save"), this));
    m_noSave = addButton(new LM_UtilityButton(kGroupDontSave, tr("No Save"), tr("No Save"), this));
    m_cancel = addButton(new LM_UtilityButton(kGroupCancel, tr("Cancel"), tr("Cancel"), this));
    // A gaze button like the others: the people this program is for cannot press a mouse-only one.
    m_help = addButton(new LM_UtilityButton(kGroupHelp, tr("Help"), tr("Help"), this));
    m_save->setGeometry(SaveButtonPlace(screen));
    m_noSave->setGeometry(NoSaveButtonPlace(screen));
    m_cancel->setGeometry(CancelButtonPlace(screen));
    m_help->setGeometry(HelpButtonPlace(screen));
}

SaveDlg::~SaveDlg() = default;

void SaveDlg::showEvent(QShowEvent* e) {
    m_fileName = NewFileName(m_clock());
    m_saveChosen = false;
    m_snapshot = m_snapshotSource ? m_snapshotSource() : QImage();
    place(Placement(screenSize()));
    redrawPicture();
    GazeDialog::showEvent(e);
}

void SaveDlg::done(int result) {
    if (m_helpDlg)
        m_helpDlg->hide();
    GazeDialog::done(result);
}

void SaveDlg::drawContent(QImage& picture) {
    QPainter p(&picture);
    const QSize s = screenSize();
    p.setFont(QuestionFont(s));
    p.setPen(Qt::black);
    p.drawText(QuestionPlace(s), Qt::AlignCenter, tr(kQuestion));
    p.setFont(NameFont(s, m_fileName));
    p.setPen(ColorRefToQColor(kNameColor));
    p.drawText(NamePlace(s), Qt::AlignHCenter | Qt::AlignTop, m_fileName);
    if (!m_snapshot.isNull()) {
        const QRect source(1, 1, s.width() - kSnapshotWidthLess, s.height() - kSnapshotHeightLess);
        p.drawImage(SnapshotPlace(s), m_snapshot, source);
    }
}

void SaveDlg::gazePoint(std::uintptr_t wParam, std::intptr_t lParam) {
    GazeDialog::gazePoint(wParam, lParam);
    if (m_helpDlg && m_helpDlg->isVisible())
        PostLumoraMessage(m_helpDlg.get(), WM_GAZE_POINT, wParam, lParam);
}

void SaveDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    switch (group) {
        case kGroupSave:
            m_saveChosen = true;
            PostLumoraText(parentWidget(), WM_DRAWING_FILE, kDrawingFileSave, m_fileName);
            done(kOk);
            break;
        case kGroupDontSave:
            done(kOk);
            break;
        case kGroupCancel:
            done(kCancel);
            break;
        case kGroupHelp:
            showHelp();
            break;
        default:
            break;
    }
}

void SaveDlg::showHelp() {
    if (!m_helpDlg)
        m_helpDlg = std::make_unique<SaveHelpDlg>(screenSize(), m_sound, this);
    m_helpDlg->showHelp();
}

}  // namespace lumora
