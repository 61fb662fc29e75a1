#include "app/MessageRegistry.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <QStringList>
#include <memory>
#include <vector>

using namespace lumora;

namespace {

struct Received {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    bool operator==(const Received&) const = default;
};

class Recorder : public QObject {
public:
    std::vector<Received> got;
    QStringList texts;
    bool event(QEvent* e) override {
        if (e->type() == LumoraMessageEvent::eventType()) {
            auto* m = static_cast<LumoraMessageEvent*>(e);
            got.push_back({m->msg(), m->wParam(), m->lParam()});
            texts << m->text();
            return true;
        }
        return QObject::event(e);
    }
};

QCoreApplication& app() {
    static int argc = 1;
    static char name[] = "MessageRegistry_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

}  // namespace

TEST(MessageRegistry, NumbersOfTheWindowMessages) {
    EXPECT_EQ(WM_GAZE_POINT, 0x8101u);
    EXPECT_EQ(WM_TRACKER_READY, 0x8104u);
    EXPECT_EQ(WM_BUTTON_CHOSEN, 0x8106u);
    EXPECT_EQ(WM_BUTTON_TEXT, 0x8107u);
    EXPECT_EQ(WM_DRAWING_FILE, 0x8108u);
    EXPECT_EQ(WM_SET_BUTTON_IMAGE, 0x8109u);
    EXPECT_EQ(WM_TOGGLE_GRID, 0x8110u);
    EXPECT_EQ(WM_UNDO, 0x8111u);
    EXPECT_EQ(WM_CHANGE_ATTRIBUTE, 0x8112u);
    EXPECT_EQ(kGroupRotateRight, 54);
    EXPECT_EQ(kGroupOk, 100);
}

TEST(MessageRegistry, PointHalvesAreUnsigned) {
    const std::intptr_t lParam = MakePointLParam(1023, 767);
    EXPECT_EQ((lParam >> 16) & 0xFFFF, 767);
    EXPECT_EQ(lParam & 0xFFFF, 1023);
    EXPECT_EQ(PointFromLParam(lParam), QPoint(1023, 767));
    // Left of and above the screen: the halves arrive as 32768 or more.
    const QPoint outside = PointFromLParam(PointLParam(QPoint(-1, -2)));
    EXPECT_EQ(outside, QPoint(65535, 65534));
    EXPECT_EQ(PointFromLParam(MakePointLParam(65535, 65535)), QPoint(65535, 65535));
}

TEST(MessageRegistry, ColoursKeepRedInTheLowByte) {
    const ColorRef red = MakeColorRef(200, 55, 55);
    EXPECT_EQ(red, 0x3737C8u);
    EXPECT_EQ(kColorBackground, 0xCED3D6u);
    EXPECT_EQ(kColorGazeCursor, 0x8B4141u);
    EXPECT_EQ(ColorRefToQRgb(red), qRgb(200, 55, 55));
    EXPECT_EQ(ColorRefFromQRgb(qRgba(80, 152, 71, 0)), 0x479850u);
    EXPECT_EQ(ColorRefToQColor(0x6CFFFF), QColor(255, 255, 108));
    EXPECT_EQ(ColorRefFromQColor(QColor(102, 51, 153)), MakeColorRef(102, 51, 153));
    // The unused high byte does not leak into the colour.
    EXPECT_EQ(ColorRefToQRgb(0xFF0000FFu), qRgb(255, 0, 0));
}

TEST(MessageRegistry, PostedMessagesArriveInOrder) {
    app();
    Recorder target;
    PostLumoraMessage(&target, WM_BUTTON_CHOSEN, 0x3737C8, kGroupColor);
    PostLumoraMessage(&target, WM_UNDO, 0, 0);
    PostLumoraMessage(nullptr, WM_UNDO, 0, 0);
    EXPECT_TRUE(target.got.empty());  // posted, not sent
    QCoreApplication::processEvents();
    const std::vector<Received> want = {{WM_BUTTON_CHOSEN, 0x3737C8, kGroupColor}, {WM_UNDO, 0, 0}};
    EXPECT_EQ(target.got, want);
}

TEST(MessageRegistry, SentMessageIsHandledAtOnce) {
    app();
    Recorder target;
    EXPECT_TRUE(SendLumoraMessage(&target, WM_BUTTON_TEXT, 0, 0));
    ASSERT_EQ(target.got.size(), 1u);
    EXPECT_EQ(target.got[0].msg, WM_BUTTON_TEXT);
    EXPECT_FALSE(SendLumoraMessage(nullptr, WM_BUTTON_TEXT, 0, 0));
}

TEST(MessageRegistry, MessagesForADestroyedTargetAreDropped) {
    app();
    auto target = std::make_unique<Recorder>();
    PostLumoraMessage(target.get(), WM_UNDO, 0, 0);
    target.reset();
    QCoreApplication::processEvents();  // must not touch the destroyed target
    SUCCEED();
}

// The sender may change its string, or be gone, while the message waits in the queue: the
// receiver still reads the text as it was when posted.
TEST(MessageRegistry, TextTravelsByValue) {
    app();
    Recorder target;
    auto path = std::make_unique<QString>(QStringLiteral("Lumora/Drawings/Lumora2004-07-12_122530.bmp"));
    PostLumoraText(&target, WM_DRAWING_FILE, kDrawingFileOpen, *path);
    *path = QStringLiteral("Lumora/Drawings/changed.bmp");
    path.reset();
    PostLumoraText(nullptr, WM_DRAWING_FILE, kDrawingFileOpen, QStringLiteral("ignored"));
    QCoreApplication::processEvents();
    const std::vector<Received> want = {{WM_DRAWING_FILE, kDrawingFileOpen, 0}};
    EXPECT_EQ(target.got, want);
    EXPECT_EQ(target.texts, QStringList{QStringLiteral("Lumora/Drawings/Lumora2004-07-12_122530.bmp")});
}

TEST(MessageRegistry, EventCloneKeepsTheText) {
    const LumoraMessageEvent e(WM_SET_BUTTON_IMAGE, 0, QStringLiteral("Lumora/Images/left_small.bmp"));
    std::unique_ptr<LumoraMessageEvent> copy(e.clone());
    EXPECT_EQ(copy->msg(), WM_SET_BUTTON_IMAGE);
    EXPECT_EQ(copy->lParam(), 0);
    EXPECT_TRUE(copy->hasText());
    EXPECT_EQ(copy->text(), QStringLiteral("Lumora/Images/left_small.bmp"));
    const LumoraMessageEvent plain(WM_UNDO, 0, 0);
    EXPECT_FALSE(std::unique_ptr<LumoraMessageEvent>(plain.clone())->hasText());
}

TEST(MessageRegistry, EventCloneKeepsTheMessage) {
    const LumoraMessageEvent e(WM_CHANGE_ATTRIBUTE, 149, kGroupStamp);
    std::unique_ptr<LumoraMessageEvent> copy(e.clone());
    EXPECT_EQ(copy->type(), LumoraMessageEvent::eventType());
    EXPECT_EQ(copy->msg(), WM_CHANGE_ATTRIBUTE);
    EXPECT_EQ(copy->wParam(), 149u);
    EXPECT_EQ(copy->lParam(), kGroupStamp);
}
