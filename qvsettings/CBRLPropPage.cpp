#include "CBRLPropPage.h"

#include <QAbstractButton>
#include <QBoxLayout>
#include <QComboBox>
#include <QFocusEvent>
#include <QLineEdit>
#include <QPushButton>

#include "CDefaultWarning.h"

bool g_bPagesReady = false;

const char* const CBRLPropPage::kHighlightCaption = QT_TRANSLATE_NOOP("CBRLPropPage", "Highlight Non-Default Values");
const char* const CBRLPropPage::kHideHighlightCaption =
    QT_TRANSLATE_NOOP("CBRLPropPage", "Hide Non-Default Highlights");

namespace {
const char* const kSetDefaultsCaption = QT_TRANSLATE_NOOP("CBRLPropPage", "Set Values to Defaults on this Page");
const QColor kHighlightColour(255, 0, 0);
// Marks widgets that the program's Enter filter may act on.
const char* const kBoundProperty = "qvBoundControl";
}  // namespace

CBRLPropPage::CBRLPropPage(unsigned templateId, const QString& caption, QWidget* parent)
    : QWidget(parent), m_templateId(templateId), m_caption(caption) {}

void CBRLPropPage::EnsureCreated() {
    if (m_bCreated) {
        return;
    }
    m_bCreated = true;
    CreateControls();
    OnInitDialog();
}

bool CBRLPropPage::OnInitDialog() {
    LoadFromSettings();
    return true;
}

void CBRLPropPage::OnSetActive() {
    EnsureCreated();
    LoadFromSettings();
    g_bPagesReady = true;
}

void CBRLPropPage::OnKillActive() {
    StoreControl(kIdNone);
}

void CBRLPropPage::OnCommand(unsigned id, unsigned code) {
    if (g_bPagesReady && code == kCodeEditKillFocus) {
        // The page's store decides from the field's own modified flag whether anything changed.
        StoreControl(id);
    } else if (code == kCodeComboSelChange || code == kCodeComboKillFocus || code == kCodeClicked) {
        UpdateData(true);
        SetModified(true);
        StoreControl(id);
    }
    OnPageCommand(id, code);
}

bool CBRLPropPage::OnPageCommand(unsigned id, unsigned code) {
    if (id == kIdHighlightButton && code == kCodeClicked) {
        OnHighlightToggle();
        return true;
    }
    return false;
}

void CBRLPropPage::OnHighlightToggle() {
    m_bHighlight = !m_bHighlight;
    if (auto* button = qobject_cast<QAbstractButton*>(Control(kIdHighlightButton))) {
        button->setText(tr(m_bHighlight ? kHideHighlightCaption : kHighlightCaption));
    }
    RepaintPage(true);
}

void CBRLPropPage::SetModified(bool modified) {
    m_bModified = modified;
    emit modifiedChanged(modified);
}

void CBRLPropPage::RepaintPage(bool erase) {
    (void)erase;  // Qt always repaints the whole widget background
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it) {
        QPalette palette = m_basePalettes.value(it.key());
        if (IsPaintedNonDefault(it.key())) {
            palette.setColor(QPalette::Text, kHighlightColour);
            palette.setColor(QPalette::WindowText, kHighlightColour);
            palette.setColor(QPalette::ButtonText, kHighlightColour);
        }
        ColourControl(it.key(), it.value(), palette);
        it.value()->setPalette(palette);
    }
    update();
}

void CBRLPropPage::RegisterControl(unsigned id, QWidget* control) {
    m_controls.insert(id, control);
    m_ids.insert(control, id);
    m_basePalettes.insert(id, control->palette());
    control->setProperty(kBoundProperty, true);
    if (auto* push = qobject_cast<QPushButton*>(control)) {
        push->setAutoDefault(false);
        push->setDefault(false);
    }
    if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        connect(button, &QAbstractButton::clicked, this, [this, id] { OnCommand(id, kCodeClicked); });
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        connect(combo, &QComboBox::activated, this, [this, id] { OnCommand(id, kCodeComboSelChange); });
        combo->installEventFilter(this);
    } else if (qobject_cast<QLineEdit*>(control)) {
        control->installEventFilter(this);
    }
}

bool CBRLPropPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        // A message box or a popup taking the focus for a moment is not the user leaving the
        // control; the control gets the focus back when it closes.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        const auto it = m_ids.constFind(watched);
        if (it != m_ids.cend() && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            const bool isCombo = qobject_cast<QComboBox*>(watched) != nullptr;
            OnCommand(it.value(), isCombo ? kCodeComboKillFocus : kCodeEditKillFocus);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void CBRLPropPage::AddStandardButtons(QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    auto* defaults = new QPushButton(tr(kSetDefaultsCaption), this);
    auto* highlight = new QPushButton(tr(kHighlightCaption), this);
    RegisterControl(kIdSetDefaultsButton, defaults);
    RegisterControl(kIdHighlightButton, highlight);
    row->addWidget(defaults);
    row->addWidget(highlight);
    layout->addLayout(row);
}

bool CBRLPropPage::ConfirmDefaults() {
    CDefaultWarning warning(this);
    return warning.exec() == QDialog::Accepted;
}
