#include "dialogs/SettingsDlg.h"

#include <QPainter>
#include <bit>

#include "buttons/LumoraButton.h"

namespace lumora {

const std::array<SettingsDlg::Choice, SettingsDlg::kChoiceCount> SettingsDlg::kChoices = {{
    {kGroupDwell300Ms, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "300ms"), "Lumora/Images/300.bmp",
     "Lumora/Images/300_sel.bmp"},
    {kGroupDwell400Ms, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "400ms"), "Lumora/Images/400.bmp",
     "Lumora/Images/400_sel.bmp"},
    {kGroupDwell500Ms, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "500ms"), "Lumora/Images/500.bmp",
     "Lumora/Images/500_sel.bmp"},
    {kGroupDwell600Ms, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "600ms"), "Lumora/Images/600.bmp",
     "Lumora/Images/600_sel.bmp"},
    {kGroupSequenceGreenRed, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "GR"), "Lumora/Images/g-r.bmp",
     "Lumora/Images/g-r_sel.bmp"},
    {kGroupSequenceGreenYellowRed, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "GYR"), "Lumora/Images/g-y-r.bmp",
     "Lumora/Images/g-y-r_sel.bmp"},
    {kGroupDwellSizeQuarter, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "0.25"), "Lumora/Images/gdt25.bmp",
     "Lumora/Images/gdt25_sel.bmp"},
    {kGroupDwellSizeHalf, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "0.50"), "Lumora/Images/gdt50.bmp",
     "Lumora/Images/gdt50_sel.bmp"},
    {kGroupDwellSizeThreeQuarters, QT_TRANSLATE_NOOP("lumora::SettingsDlg", "0.75"), "Lumora/Images/gdt75.bmp",
     "Lumora/Images/gdt75_sel.bmp"},
}};

namespace {

using CI = SettingsDlg::ChoiceIndex;

constexpr CI kTimings[] = {CI::Timing300, CI::Timing400, CI::Timing500, CI::Timing600};
constexpr CI kSequences[] = {CI::SequenceGR, CI::SequenceGYR};
constexpr CI kSizes[] = {CI::Size25, CI::Size50, CI::Size75};
constexpr const char* kTimingLabels[] = {
    QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Extra Fast"), QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Fast"),
    QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Medium"), QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Slow")};
constexpr const char* kSizeLabels[] = {QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Small"),
                                       QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Medium"),
                                       QT_TRANSLATE_NOOP("lumora::SettingsDlg", "Large")};

bool IsTiming(CI i) {
    return i <= CI::Timing600;
}
bool IsSequence(CI i) {
    return i == CI::SequenceGR || i == CI::SequenceGYR;
}

// The dialog's layout units: c the button width, b the button height, e the margin.
struct Units {
    int c, b, e, w, h;
    explicit Units(const QSize& s)
        : c(GazeDialog::ButtonWidth(s)),
          b(GazeDialog::ButtonHeight(s)),
          e(GazeDialog::Margin(s)),
          w(SettingsDlg::Placement(s).width()),
          h(SettingsDlg::Placement(s).height()) {}
    QRect timing(int k) const { return QRect(3 * e, 4 * e + k * (b + e), c, b); }
    QRect sequence(int k) const { return QRect(w / 2 + e + k * (c + 2 * e), 4 * e, c, b); }
    int sizeTop() const { return 4 * e + b + 6 * e; }
    QRect size(int k) const { return QRect(w / 2 + e + k * (c + 2 * e), sizeTop(), c, b); }
    int rowTop() const { return h - b - 2 * e; }
    QRect ok() const { return QRect(w / 2 - e - c, rowTop(), c, b); }
    QRect cancel() const { return QRect(w / 2 + e, rowTop(), c, b); }
};

QFont LabelFont(int e) {
    // Bold Arial, 2e pixels high and 3e / 4 wide per character.
    QFont f(QStringLiteral("Arial"));
    f.setPixelSize(std::max(1, 2 * e));
    f.setBold(true);
    f.setStretch(std::clamp((3 * e / 4) * 100 * 2 / std::max(1, 2 * e), 1, 4000));
    return f;
}

}  // namespace

int SettingsDlg::TimingOf(ChoiceIndex i) {
    return kChoices[i].code;  // the timing buttons' codes are their milliseconds
}

float SettingsDlg::DwellSizeOf(ChoiceIndex i) {
    switch (i) {
        case Size25:
            return std::bit_cast<float>(kDwellSizeQuarterBits);
        case Size50:
            return std::bit_cast<float>(kDwellSizeHalfBits);
        case Size75:
            return std::bit_cast<float>(kDwellSizeThreeQuartersBits);
        default:
            return 0.0f;
    }
}

QRect SettingsDlg::Placement(const QSize& s) {
    const int c = ButtonWidth(s);
    const int H = s.height();
    return QRect(3 * c / 2, H / 10, 3 * s.width() / 4 - c, 3 * H / 4 - H / 20);
}

SettingsDlg::SettingsDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent) : GazeDialog(screen, sound, parent) {
    setWindowTitle(tr("Settings"));
    for (int i = 0; i < kChoiceCount; ++i) {
        // The picture says it all; the caption would cover it.
        m_choice[i] = addButton(new LM_UtilityButton(kChoices[i].code, QString(), QString(), this));
        m_choice[i]->setAccessibleName(tr(kChoices[i].caption));
        m_picture[i] = QString::fromLatin1(kChoices[i].picture);
        m_selectedPicture[i] = QString::fromLatin1(kChoices[i].selectedPicture);
    }
    m_ok = addButton(new LM_UtilityButton(kGroupOk, tr("OK"), tr("OK"), this));
    m_cancel = addButton(new LM_UtilityButton(kGroupCancel, tr("Cancel"), tr("Cancel"), this));
    layOut();
}

SettingsDlg::~SettingsDlg() = default;

void SettingsDlg::layOut() {
    const Units u(screenSize());
    for (int k = 0; k < 4; ++k)
        m_choice[kTimings[k]]->setGeometry(u.timing(k));
    for (int k = 0; k < 2; ++k)
        m_choice[kSequences[k]]->setGeometry(u.sequence(k));
    for (int k = 0; k < 3; ++k)
        m_choice[kSizes[k]]->setGeometry(u.size(k));
    m_ok->setGeometry(u.ok());
    m_cancel->setGeometry(u.cancel());
}

void SettingsDlg::showEvent(QShowEvent* e) {
    place(Placement(screenSize()));
    highlightFromValues();
    redrawPicture();
    GazeDialog::showEvent(e);
}

void SettingsDlg::setHighlighted(ChoiceIndex i, bool on) {
    m_highlighted[i] = on;
    PostLumoraText(m_choice[i], WM_SET_BUTTON_IMAGE, 0, on ? m_selectedPicture[i] : m_picture[i]);
}

void SettingsDlg::highlightFromValues() {
    for (CI i : kTimings)
        setHighlighted(i, m_timingShown == TimingOf(i));
    setHighlighted(SequenceGR, m_sequence == kGreenRed);
    setHighlighted(SequenceGYR, m_sequence == kGreenYellowRed);
    // Bit for bit: a size edited by hand to something near but not equal highlights nothing.
    for (CI i : kSizes)
        setHighlighted(i, std::bit_cast<std::uint32_t>(m_dwellSize) == std::bit_cast<std::uint32_t>(DwellSizeOf(i)));
}

void SettingsDlg::choose(ChoiceIndex chosen) {
    if (IsTiming(chosen)) {
        m_timingChosen = TimingOf(chosen);
        for (CI i : kTimings)
            setHighlighted(i, i == chosen);
    } else if (IsSequence(chosen)) {
        m_sequence = chosen == SequenceGR ? kGreenRed : kGreenYellowRed;
        for (CI i : kSequences)
            setHighlighted(i, i == chosen);
    } else {
        m_dwellSize = DwellSizeOf(chosen);
        for (CI i : kSizes)
            setHighlighted(i, i == chosen);
    }
}

void SettingsDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    if (group == kGroupOk) {
        done(kOk);
        return;
    }
    if (group == kGroupCancel) {
        done(kCancel);
        return;
    }
    for (int i = 0; i < kChoiceCount; ++i) {
        if (kChoices[i].code == group) {
            choose(static_cast<ChoiceIndex>(i));
            return;
        }
    }
}

void SettingsDlg::drawContent(QImage& picture) {
    const Units u(screenSize());
    QPainter p(&picture);
    p.setPen(QPen(ColorRefToQColor(kLineColor), kLineWidth, Qt::SolidLine));
    // The timing column apart from the right half; the sequences above the sizes; the row below.
    p.drawLine(u.w / 2 - u.e, u.e, u.w / 2 - u.e, u.rowTop() - u.e);
    p.drawLine(u.w / 2, u.sizeTop() - 3 * u.e, u.w - u.e, u.sizeTop() - 3 * u.e);
    p.drawLine(u.e, u.rowTop() - u.e, u.w - u.e, u.rowTop() - u.e);

    p.setFont(LabelFont(u.e));
    p.setPen(Qt::black);
    const int lineHeight = 2 * u.e + u.e / 2;
    const auto label = [&](int x, int y, const QString& text) {
        p.drawText(QRect(x, y, u.w, lineHeight), Qt::AlignLeft | Qt::AlignVCenter, text);
    };
    label(3 * u.e, u.e, tr("Dwell Timing"));
    for (int k = 0; k < 4; ++k) {
        const QRect r = u.timing(k);
        label(r.right() + 2 * u.e, r.center().y() - lineHeight / 2, tr(kTimingLabels[k]));
    }
    label(u.w / 2 + u.e, u.e, tr("Cursor Color Sequence"));
    label(u.w / 2 + u.e, u.sizeTop() - 2 * u.e - lineHeight / 2, tr("Dwell Size"));
    for (int k = 0; k < 3; ++k) {
        const QRect r = u.size(k);
        label(r.left(), r.bottom() + u.e / 2, tr(kSizeLabels[k]));
    }
    label(u.size(0).left(), u.size(0).bottom() + u.e / 2 + lineHeight, tr("(Default)"));
}

}  // namespace lumora
