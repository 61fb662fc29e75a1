// OpenDlg: the saved drawings as the two pages of an open book, newest first. Looking at a page
// for 30 gaze points (or a mouse press on it) chooses its drawing, and the book shows a green
// frame round that page; the arrows turn two pages at a time; "Open" asks the main window to
// open the chosen drawing (WM_DRAWING_FILE with DRAWING_FILE_OPEN) and closes with OK; "Delete"
// removes the chosen drawing after the delete confirmation; "Cancel" closes with Cancel; "Help"
// shows the open help window. While the help window or the confirmation is shown, gaze points
// go to it instead.
//
// Run modally by the main window for its Open button. Each opening lists the drawings folder
// afresh and starts from the first two pages with nothing chosen.
#pragma once

#include <QCoreApplication>
#include <QImage>
#include <QString>
#include <array>
#include <memory>

#include "dialogs/GazeDialog.h"
#include "files/DirectoryFilter.h"

namespace lumora {

class LM_UtilityButton;
class OpenHelpDlg;
class DeleteDlg;
class MessageDlg;

class OpenDlg : public GazeDialog {
    Q_OBJECT
public:
    // English, shown translated.
    static constexpr const char* kPrompt =
        QT_TRANSLATE_NOOP("lumora::OpenDlg", "Choose the drawing you would like to open.");
    static constexpr const char* kDrawingsFolder = "Lumora/Drawings";
    static constexpr const char* kDrawingPattern = "*.bmp";
    static constexpr const char* kBookPicture = "Lumora/Images/book.bmp";
    static constexpr const char* kBookLeftPicture = "Lumora/Images/bookleft.bmp";
    static constexpr const char* kBookRightPicture = "Lumora/Images/bookright.bmp";
    static constexpr const char* kPreviousPicture = "Lumora/Images/left_small.bmp";
    static constexpr const char* kNextPicture = "Lumora/Images/right_small.bmp";
    static constexpr int kBookSourceWidth = 650;
    static constexpr int kBookSourceHeight = 475;
    static constexpr const char* kDeleteFailedText =
        QT_TRANSLATE_NOOP("lumora::OpenDlg", "The drawing could not be deleted: the folder cannot be written.");
    // Consecutive gaze points on a page that choose it.
    static constexpr int kPageChooseCount = 30;

    enum Page { LeftPage = 0, RightPage = 1 };

    // screen: the main window's size. parent: the main window, which receives WM_DRAWING_FILE.
    OpenDlg(const QSize& screen, SoundPlayer& sound, QWidget* parent);
    ~OpenDlg() override;

    // ---- State, for the main window and tests ------------------------------------------------
    const DirectoryFilter& listing() const { return m_listing; }
    int pageOffset(Page page) const { return m_offset[page]; }
    int pageCounter(Page page) const { return m_counter[page]; }
    // The path of the drawing a page shows; empty when it shows none.
    const QString& pagePath(Page page) const { return m_pagePath[page]; }
    // The page's drawing as loaded (null when none).
    const QImage& pageImage(Page page) const { return m_pageImage[page]; }
    const QString& selectedPath() const { return m_selected; }
    const QString& bookPicture() const { return m_book; }
    LM_UtilityButton* openButton() const { return m_open; }
    LM_UtilityButton* cancelButton() const { return m_cancel; }
    LM_UtilityButton* deleteButton() const { return m_delete; }
    LM_UtilityButton* helpButton() const { return m_help; }
    LM_UtilityButton* previousButton() const { return m_previous; }
    LM_UtilityButton* nextButton() const { return m_next; }
    OpenHelpDlg* helpWindow() const { return m_helpDlg.get(); }
    DeleteDlg* deleteDialog() const { return m_deleteDlg.get(); }
    MessageDlg* messageDialog() const { return m_messageDlg.get(); }

    // ---- Actions, as the buttons and gaze trigger them --------------------------------------
    // A gaze point on the pages, in dialog coordinates: counts toward choosing a page.
    void pagePoint(const QPoint& dialogPoint);
    // Chooses the page's drawing (a page without one chooses nothing).
    void choosePage(Page page);
    // Two pages on (+1) or back (-1).
    void turnPages(int direction);
    // Asks for confirmation and deletes the chosen drawing. When the file cannot be removed
    // (a folder that cannot be written) the drawing stays on its page and chosen, and the
    // message dialog (kDeleteFailedText) tells the user so; it takes the gaze while shown.
    void deleteChosen();

    // ---- Geometry (dialog coordinates) -------------------------------------------------------
    static QRect Placement(const QSize& screen);
    static QRect PageRect(const QSize& screen, Page page);
    static QRect BookRect(const QSize& screen);
    // Where a page's drawing is shown, and which region of the drawing it shows.
    static QRect PageDrawingRect(const QSize& screen, Page page);
    static QSize DrawingRegion(const QSize& screen);
    static QRect DeleteButtonPlace(const QSize& screen);
    static QRect OpenButtonPlace(const QSize& screen);
    static QRect CancelButtonPlace(const QSize& screen);
    static QRect HelpButtonPlace(const QSize& screen);
    static QRect PreviousButtonPlace(const QSize& screen);
    static QRect NextButtonPlace(const QSize& screen);

public slots:
    void done(int result) override;

protected:
    void showEvent(QShowEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void drawContent(QImage& picture) override;
    void gazePoint(std::uintptr_t wParam, std::intptr_t lParam) override;
    void buttonChosen(std::uintptr_t value, int group) override;

private:
    void loadPages();
    void setBook(const char* picture);
    void updateArrows();
    void showHelp();
    void tellDeleteFailed();

    DirectoryFilter m_listing;
    std::array<int, 2> m_offset{0, 1};
    std::array<int, 2> m_counter{0, 0};
    std::array<QString, 2> m_pagePath;
    std::array<QImage, 2> m_pageImage;
    QString m_selected;  // sent in WM_DRAWING_FILE
    QString m_book;
    QImage m_bookImage;
    QString m_previousPicture;
    QString m_nextPicture;

    LM_UtilityButton* m_open;
    LM_UtilityButton* m_cancel;
    LM_UtilityButton* m_delete;
    LM_UtilityButton* m_help;
    LM_UtilityButton* m_previous;
    LM_UtilityButton* m_next;
    std::unique_ptr<OpenHelpDlg> m_helpDlg;
    std::unique_ptr<DeleteDlg> m_deleteDlg;
    std::unique_ptr<MessageDlg> m_messageDlg;  // a delete that failed
};

}  // namespace lumora
