#include "dialogs/MessageDlg.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cstring>

#include "buttons/LumoraButton.h"

namespace lumora {

namespace {

// Below this the text would no longer be legible from a user's seat; it is then clipped rather
// than shrunk further.
constexpr int kSmallestFontPixels = 8;

}  // namespace

QRect MessageDlg::Placement(const QSize& s) {
    // A message is longer than a question: half the screen wide, from a quarter of its width.
    return QRect(s.width() / 4, s.height() / 3, s.width() / 2, s.height() / 4);
}

QRect MessageDlg::OkButtonPlace(const QSize& s) {
    const int w = Placement(s).width();
    return QRect(w / 2 - ButtonWidth(s) / 2, ButtonHeight(s), ButtonWidth(s), ButtonHeight(s));
}

QRect MessageDlg::TextArea(const QSize& s) {
    const int m = Margin(s);
    return QRect(m, 0, Placement(s).width() - 2 * m, ButtonHeight(s));
}

QFont MessageDlg::TextFont(const QSize& s, const QString& text) {
    QFont font(QStringLiteral("Arial"));
    const QRect area = TextArea(s);
    // The questions' text size first.
    for (int px = std::max(kSmallestFontPixels, ButtonHeight(s) / 4); px >= kSmallestFontPixels; --px) {
        font.setPixelSize(px);
        const QRect needed = QFontMetrics(font).boundingRect(area, kTextFlags, text);
        if (area.contains(needed))
            break;
    }
    return font;
}

QString MessageDlg::NotSavedText(const char* what, support::WriteStatus status) {
    if (status == support::WriteStatus::Ok)
        return {};
    // A file that could not even be opened and a write that failed half-way both leave the user
    // one thing to do: save somewhere else or ask for the folder to be fixed. Whole sentences,
    // not pieces: the words agree with what was not saved differently in each language.
    const bool full = status == support::WriteStatus::NoSpace;
    if (std::strcmp(what, "settings") == 0)
        return full ? tr("The settings could not be saved: the disk is full.")
                    : tr("The settings could not be saved: the folder cannot be written.");
    return full ? tr("The drawing could not be saved: the disk is full.")
                : tr("The drawing could not be saved: the folder cannot be written.");
}

MessageDlg::MessageDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent, const QString& text)
    : GazeDialog(screen, sound, parent), m_text(text) {
    setWindowTitle(QStringLiteral("Lumora"));
    const QString caption = tr(kOkCaption);
    m_ok = addButton(new LM_UtilityButton(kGroupOk, caption, caption, this));
    m_ok->setGeometry(OkButtonPlace(screen));
}

void MessageDlg::showEvent(QShowEvent* e) {
    // Placed and drawn afresh at each opening: the cursor must not linger from the last one.
    place(Placement(screenSize()));
    redrawPicture();
    GazeDialog::showEvent(e);
}

void MessageDlg::drawContent(QImage& picture) {
    QPainter p(&picture);
    p.setFont(TextFont(screenSize(), m_text));
    p.setPen(Qt::black);
    p.drawText(TextArea(screenSize()), kTextFlags, m_text);
}

void MessageDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    if (group == kGroupOk)
        done(kOk);
}

void MessageDlg::done(int) {
    // One answer only, whichever way the dialog was closed.
    GazeDialog::done(kOk);
}

}  // namespace lumora
