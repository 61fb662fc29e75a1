#include "dialogs/OpenDlg.h"

#include <unistd.h>

#include <QMouseEvent>
#include <QPainter>
#include <cerrno>

#include "dialogs/DeleteDlg.h"
#include "files/FileNames.h"
#include "files/LoadBmpFile.h"
#include "buttons/LumoraButton.h"
#include "dialogs/MessageDlg.h"
#include "dialogs/OpenHelpDlg.h"
#include "app/SoundPlayer.h"

namespace lumora {
namespace {

int Bh(const QSize& s) {
    return GazeDialog::ButtonHeight(s);
}

DirectoryFilterSettings DrawingListing() {
    DirectoryFilterSettings s;
    s.folder = QString::fromLatin1(OpenDlg::kDrawingsFolder);
    s.includePatterns = QString::fromLatin1(OpenDlg::kDrawingPattern);
    return s;
}

}  // namespace

// ---- Geometry --------------------------------------------------------------------------------

QRect OpenDlg::Placement(const QSize& s) {
    const int b = ButtonWidth(s);
    return QRect(2 * b, s.height() / 10, 3 * s.width() / 4 - b, 3 * s.height() / 4 - s.height() / 10);
}

QRect OpenDlg::PageRect(const QSize& s, Page page) {
    const QSize d = Placement(s).size();
    const int c = Margin(s);
    const int b = ButtonWidth(s);
    const int top = 3 * c + Bh(s) / 2;
    const int bottom = d.height() - 2 * Bh(s) - 3 * c;
    if (page == LeftPage)
        return QRect(QPoint(3 * b / 4, top), QPoint(d.width() / 2 - c - 1, bottom - 1));
    return QRect(QPoint(d.width() / 2 + 2 * c, top), QPoint(d.width() - 3 * b / 4 - 1, bottom - 1));
}

QRect OpenDlg::BookRect(const QSize& s) {
    const QSize d = Placement(s).size();
    const int b = ButtonWidth(s);
    return QRect(3 * b / 4, Bh(s) / 2, d.width() - 3 * b / 2, d.height() - 2 * Bh(s));
}

QSize OpenDlg::DrawingRegion(const QSize& s) {
    const int c = Margin(s);
    return QSize(s.width() - 2 * ButtonWidth(s) - 4 * c, s.height() - 3 * c - Bh(s));
}

QRect OpenDlg::PageDrawingRect(const QSize& s, Page page) {
    const QRect r = PageRect(s, page);
    const int c = Margin(s);
    // The wider margin on the outer side of the book.
    const int left = r.left() + (page == LeftPage ? 3 * c : c);
    return QRect(left, r.top() + 3 * c, r.width() - 4 * c, r.height() - 3 * c);
}

QRect OpenDlg::DeleteButtonPlace(const QSize& s) {
    const QSize d = Placement(s).size();
    return QRect(3 * Margin(s), d.height() - 3 * Margin(s) - Bh(s), ButtonWidth(s), Bh(s));
}
QRect OpenDlg::OpenButtonPlace(const QSize& s) {
    const QSize d = Placement(s).size();
    return QRect(d.width() / 2 - 3 * Margin(s) - ButtonWidth(s), DeleteButtonPlace(s).y(), ButtonWidth(s), Bh(s));
}
QRect OpenDlg::CancelButtonPlace(const QSize& s) {
    const QSize d = Placement(s).size();
    return QRect(d.width() / 2 + 3 * Margin(s), DeleteButtonPlace(s).y(), ButtonWidth(s), Bh(s));
}
QRect OpenDlg::HelpButtonPlace(const QSize& s) {
    // Mirrors Delete at the other end of the row.
    const QSize d = Placement(s).size();
    return QRect(d.width() - 3 * Margin(s) - ButtonWidth(s), DeleteButtonPlace(s).y(), ButtonWidth(s), Bh(s));
}
QRect OpenDlg::PreviousButtonPlace(const QSize& s) {
    const QSize d = Placement(s).size();
    return QRect(Margin(s), d.height() / 2 - Bh(s) / 2, ButtonWidth(s), Bh(s));
}
QRect OpenDlg::NextButtonPlace(const QSize& s) {
    const QSize d = Placement(s).size();
    return QRect(d.width() - ButtonWidth(s) - Margin(s), d.height() / 2 - Bh(s) / 2, ButtonWidth(s), Bh(s));
}

// ---- Life --------------------------------------------------------------------------------------

OpenDlg::OpenDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent)
    : GazeDialog(screen, sound, parent),
      m_listing(DrawingListing()),
      m_book(QString::fromLatin1(kBookPicture)),
      m_previousPicture(QString::fromLatin1(kPreviousPicture)),
      m_nextPicture(QString::fromLatin1(kNextPicture)) {
    setWindowTitle(tr("Open"));
    const auto button = [this](int group, const QString& text) {
        return addButton(new LM_UtilityButton(group, text, text, this));
    };
    m_open = button(kGroupOpen, tr("Open"));
    m_cancel = button(kGroupCancel, tr("Cancel"));
    m_delete = button(kGroupDelete, tr("Delete"));
    // A gaze button like the others: the people this program is for cannot press a mouse-only one.
    m_help = button(kGroupHelp, tr("Help"));
    m_previous = button(kGroupPreviousPages, QString());
    m_next = button(kGroupNextPages, QString());
    m_open->setGeometry(OpenButtonPlace(screen));
    m_cancel->setGeometry(CancelButtonPlace(screen));
    m_delete->setGeometry(DeleteButtonPlace(screen));
    m_help->setGeometry(HelpButtonPlace(screen));
    m_previous->setGeometry(PreviousButtonPlace(screen));
    m_next->setGeometry(NextButtonPlace(screen));
    m_deleteDlg = std::make_unique<DeleteDlg>(screen, sound, this);
    m_messageDlg = std::make_unique<MessageDlg>(screen, sound, this, tr(kDeleteFailedText));
}

OpenDlg::~OpenDlg() = default;

void OpenDlg::showEvent(QShowEvent* e) {
    m_offset = {0, 1};
    m_counter = {0, 0};
    m_selected.clear();
    setBook(kBookPicture);
    m_listing.refresh();
    place(Placement(screenSize()));
    PostLumoraText(m_previous, WM_SET_BUTTON_IMAGE, 0, m_previousPicture);
    PostLumoraText(m_next, WM_SET_BUTTON_IMAGE, 0, m_nextPicture);
    loadPages();
    redrawPicture();
    GazeDialog::showEvent(e);
}

void OpenDlg::done(int result) {
    if (m_helpDlg)
        m_helpDlg->hide();
    GazeDialog::done(result);
}

// ---- Pages -------------------------------------------------------------------------------------

void OpenDlg::setBook(const char* picture) {
    m_book = QString::fromLatin1(picture);
    // A missing picture leaves the pages on the plain background.
    if (!LoadBmpFile(m_book, m_bookImage))
        m_bookImage = QImage();
}

void OpenDlg::loadPages() {
    const int n = static_cast<int>(m_listing.entries().size());
    for (Page page : {LeftPage, RightPage}) {
        m_pagePath[page].clear();
        m_pageImage[page] = QImage();
        const int index = n - 1 - m_offset[page];
        if (index < 0 || index >= n)
            continue;
        const DirectoryEntry& entry = m_listing.entries()[static_cast<std::size_t>(index)];
        if (entry.name.isEmpty())
            continue;  // deleted while the dialog is open
        // Only the region a page shows is decoded: a page must not hold the book up for the
        // whole of a large picture.
        const QSize shown = DrawingRegion(screenSize());
        QImage drawing;
        if (!LoadBmpFileTopLeft(entry.path(), shown, drawing))
            continue;
        m_pagePath[page] = entry.path();
        // The shown region reaches past the bottom of a drawing on common screens: white there.
        QImage region(shown, QImage::Format_RGB32);
        region.fill(Qt::white);
        QPainter(&region).drawImage(QPoint(0, 0), drawing);
        m_pageImage[page] = region;
    }
    updateArrows();
}

void OpenDlg::updateArrows() {
    const int n = static_cast<int>(m_listing.entries().size());
    m_previous->setVisible(m_offset[LeftPage] > 0);
    m_next->setVisible(n - 1 - m_offset[RightPage] > 0);
}

void OpenDlg::drawContent(QImage& picture) {
    QPainter p(&picture);
    const QSize s = screenSize();
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, std::min(18, Bh(s) / 2 - Margin(s) / 2)));
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QRect(3 * Margin(s), 0, picture.width(), Bh(s) / 2), Qt::AlignLeft | Qt::AlignVCenter, tr(kPrompt));
    if (!m_bookImage.isNull())
        p.drawImage(BookRect(s), m_bookImage, QRect(0, 0, kBookSourceWidth, kBookSourceHeight));
    for (Page page : {LeftPage, RightPage}) {
        if (!m_pageImage[page].isNull())
            p.drawImage(PageDrawingRect(s, page), m_pageImage[page]);
    }
}

void OpenDlg::pagePoint(const QPoint& at) {
    const QSize s = screenSize();
    if (PageRect(s, LeftPage).contains(at)) {
        m_counter[RightPage] = 0;
        if (++m_counter[LeftPage] == kPageChooseCount)
            choosePage(LeftPage);
    } else if (PageRect(s, RightPage).contains(at)) {
        m_counter[LeftPage] = 0;
        if (++m_counter[RightPage] == kPageChooseCount)
            choosePage(RightPage);
    } else {
        m_counter = {0, 0};
    }
}

void OpenDlg::choosePage(Page page) {
    if (m_pagePath[page].isEmpty() || m_selected == m_pagePath[page])
        return;
    m_sound.playAsync(QString::fromLatin1(kClickSound));
    m_selected = m_pagePath[page];
    setBook(page == LeftPage ? kBookLeftPicture : kBookRightPicture);
    redrawPicture();
}

void OpenDlg::turnPages(int direction) {
    const int step = 2 * direction;
    m_offset[LeftPage] += step;
    m_offset[RightPage] += step;
    setBook(kBookPicture);
    loadPages();
    redrawPicture();
}

void OpenDlg::deleteChosen() {
    if (m_deleteDlg->exec() != DeleteDlg::kOk || m_selected.isEmpty())
        return;
    // The name as the folder gave it, byte for byte. A drawing already gone is as good as
    // deleted; one that stays must stay on its page, and the user must learn why.
    if (::unlink(NativePath(m_selected).c_str()) != 0 && errno != ENOENT) {
        tellDeleteFailed();
        return;
    }
    for (DirectoryEntry& entry : m_listing.entries()) {
        if (!entry.name.isEmpty() && entry.path() == m_selected) {
            entry.name.clear();
            entry.folder.clear();
        }
    }
    m_selected.clear();
    setBook(kBookPicture);
    loadPages();
    redrawPicture();
}


void OpenDlg::tellDeleteFailed() {
    m_messageDlg->exec();
}

// ---- Messages ----------------------------------------------------------------------------------

void OpenDlg::gazePoint(std::uintptr_t wParam, std::intptr_t lParam) {
    // The help window or the confirmation, while shown, takes the gaze alone.
    if (m_helpDlg && m_helpDlg->isVisible()) {
        PostLumoraMessage(m_helpDlg.get(), WM_GAZE_POINT, wParam, lParam);
        return;
    }
    if (m_deleteDlg->isVisible()) {
        PostLumoraMessage(m_deleteDlg.get(), WM_GAZE_POINT, wParam, lParam);
        return;
    }
    if (m_messageDlg->isVisible()) {
        PostLumoraMessage(m_messageDlg.get(), WM_GAZE_POINT, wParam, lParam);
        return;
    }
    GazeDialog::gazePoint(wParam, lParam);
    pagePoint(dialogPoint(PointFromLParam(lParam)));
}

void OpenDlg::mousePressEvent(QMouseEvent* e) {
    const QPoint at = e->position().toPoint();
    for (Page page : {LeftPage, RightPage}) {
        if (PageRect(screenSize(), page).contains(at))
            choosePage(page);
    }
    GazeDialog::mousePressEvent(e);
}

void OpenDlg::buttonChosen(std::uintptr_t, int group) {
    // The button has played its click already.
    switch (group) {
        case kGroupOpen:
            if (!m_selected.isEmpty())
                PostLumoraText(parentWidget(), WM_DRAWING_FILE, kDrawingFileOpen, m_selected);
            done(kOk);
            break;
        case kGroupCancel:
            done(kCancel);
            break;
        case kGroupDelete:
            deleteChosen();
            break;
        case kGroupPreviousPages:
            turnPages(-1);
            break;
        case kGroupNextPages:
            turnPages(+1);
            break;
        case kGroupHelp:
            showHelp();
            break;
        default:
            break;
    }
}

void OpenDlg::showHelp() {
    if (!m_helpDlg)
        m_helpDlg = std::make_unique<OpenHelpDlg>(screenSize(), m_sound, this);
    m_helpDlg->showHelp();
}

}  // namespace lumora
