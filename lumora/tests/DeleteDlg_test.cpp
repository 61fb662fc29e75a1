// The delete question as the book runs it: where its window really stands on the screen, where
// its gaze cursor is drawn, and its two answers.
#include "dialogs/DeleteDlg.h"

#include <gtest/gtest.h>

#include "LumoraGuiTest.h"
#include "dialogs/OpenDlg.h"

using namespace lumora;
using namespace lumora::test;

namespace {

class DeleteDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        EnterOwnFolder();
        FreshDrawingsFolder();
        m_main.show();
        m_book = std::make_unique<OpenDlg>(kScreen, m_sound.player(), &m_main);
        m_book->show();
        Pump();
    }
    void TearDown() override {
        if (m_book->deleteDialog()->isVisible())
            m_book->deleteDialog()->done(DeleteDlg::kCancel);
        m_book->done(OpenDlg::kCancel);
        m_book.reset();
    }
    // Runs the question as the book does, calls fn while it is shown, and returns its answer.
    int ask(std::function<void()> fn) {
        WhenVisible(m_book->deleteDialog(), std::move(fn));
        return m_book->deleteDialog()->exec();
    }

    ScriptedSound m_sound;
    MainWindowStandIn m_main;
    std::unique_ptr<OpenDlg> m_book;
};

}  // namespace

TEST_F(DeleteDlgTest, StandsWhereItsTableSaysOnTheScreen) {
    // (W / 3, H / 3), (5W / 12 - 2 (W / 100)) x H / 4, whatever the book's own place.
    const QRect expected(1920 / 3, 1080 / 3, 5 * 1920 / 12 - 2 * (1920 / 100), 1080 / 4);
    ASSERT_EQ(DeleteDlg::Placement(kScreen), expected);
    ASSERT_NE(m_book->geometry().topLeft(), QPoint(0, 0));
    QRect seen;
    const int answer = ask([&] {
        DeleteDlg* question = m_book->deleteDialog();
        seen = QRect(question->mapToGlobal(QPoint(0, 0)), question->size());
        question->done(DeleteDlg::kCancel);
    });
    EXPECT_EQ(answer, DeleteDlg::kCancel);
    EXPECT_EQ(seen, expected);
}

TEST_F(DeleteDlgTest, DrawsItsCursorWhereTheUserLooks) {
    const QPoint look = DeleteDlg::Placement(kScreen).topLeft() + QPoint(40, 30);
    QPoint cursorOnScreen;
    QRgb under = 0;
    ask([&] {
        DeleteDlg* question = m_book->deleteDialog();
        // As the main window forwards it: to the book, which hands it to the question.
        PostGaze(m_book.get(), look, 1);
        Pump();
        const QRect cursor = question->gazeCursor().rect();
        cursorOnScreen = question->mapToGlobal(cursor.center());
        under = question->picture().pixel(cursor.center());
        question->done(DeleteDlg::kCancel);
    });
    EXPECT_LE((cursorOnScreen - look).manhattanLength(), 1);
    EXPECT_EQ(under, ColorRefToQRgb(kColorGazeCursor));
}

TEST_F(DeleteDlgTest, AnswersByGaze) {
    struct Case {
        LM_UtilityButton* (DeleteDlg::*button)() const;
        int answer;
    };
    for (const Case& c : {Case{&DeleteDlg::deleteButton, DeleteDlg::kOk}, Case{&DeleteDlg::cancelButton, DeleteDlg::kCancel}}) {
        const int answer = ask([&] { GazeChoose(m_book.get(), (m_book->deleteDialog()->*c.button)()); });
        EXPECT_EQ(answer, c.answer);
    }
    EXPECT_EQ(m_book->deleteDialog()->deleteButton()->caption(), QStringLiteral("Delete"));
    EXPECT_EQ(m_book->deleteDialog()->cancelButton()->caption(), QStringLiteral("Cancel"));
}
