#include "app/PointerHider.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include "LumoraGuiTest.h"

namespace lumora {
namespace {

// Runs the event loop until the window's pointer has that shape (at most a few seconds).
bool PointerBecomes(const QWidget& window, Qt::CursorShape shape) {
    return QTest::qWaitFor([&] { return window.cursor().shape() == shape; }, 5000);
}

TEST(PointerHider, HidesThePointerOnceTheMouseRestsAndShowsItWhenTheMouseMoves) {
    test::App();
    QWidget window;
    PointerHider hider(window, 1);
    window.setCursor(Qt::ArrowCursor);
    hider.start();
    EXPECT_TRUE(hider.counting());
    EXPECT_TRUE(PointerBecomes(window, Qt::BlankCursor));
    // Once hidden it stays hidden: the rest is over, nothing counts until the mouse moves.
    EXPECT_FALSE(hider.counting());

    hider.mouseMoved();
    EXPECT_EQ(window.cursor().shape(), Qt::ArrowCursor);
    EXPECT_TRUE(hider.counting());
    EXPECT_TRUE(PointerBecomes(window, Qt::BlankCursor));
}

}  // namespace
}  // namespace lumora
