// The gaze buttons driven by posted gaze points and real mouse clicks, offscreen.
#include "buttons/LumoraButton.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTest>
#include <memory>
#include <vector>

#include "LumoraGuiTest.h"
#include "app/SoundPlayer.h"
#include "ScriptedSoundPlayer.h"

using namespace lumora;
using lumora::test::Pump;

namespace {

struct Message {
    unsigned msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
};

// The window that owns the buttons: records what they post.
class Owner : public QWidget {
public:
    Owner() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) { setGeometry(0, 0, 400, 300); }
    std::vector<Message> received;

protected:
    bool event(QEvent* e) override {
        if (e->type() != LumoraMessageEvent::eventType())
            return QWidget::event(e);
        const auto* m = static_cast<const LumoraMessageEvent*>(e);
        received.push_back({m->msg(), m->wParam(), m->lParam()});
        return true;
    }
};

class ButtonTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto sound = std::make_unique<ScriptedSoundPlayer>();
        m_sound = sound.get();
        SetSoundPlayer(std::move(sound));
    }
    void TearDown() override { SetSoundPlayer(nullptr); }

    // Shows the owner with the buttons placed, and lets them paint once.
    void showAll() {
        m_owner.show();
        Pump();
    }
    void gaze(QWidget* at, int times, QPoint offset = {20, 20}) {
        const QPoint p = at->mapToGlobal(offset);
        for (int i = 0; i < times; ++i)
            PostLumoraMessage(at, WM_GAZE_POINT, 1, MakePointLParam(p.x(), p.y()));
        Pump();
    }
    int chosenCount() const {
        int n = 0;
        for (const Message& m : m_owner.received)
            n += m.msg == WM_BUTTON_CHOSEN;
        return n;
    }

    Owner m_owner;
    ScriptedSoundPlayer* m_sound = nullptr;
};

QRgb PixelAt(const LumoraButton& b, int x, int y) {
    return b.picture().pixel(x, y) & 0xFFFFFF;
}

}  // namespace

// ---- Dwell counting ------------------------------------------------------------------------

TEST_F(ButtonTest, HeldGazePressesInAtThirtyAndFiresAt35_110_185) {
    LM_UtilityButton b(kGroupUndo, "Undo", "Undo");
    std::vector<int> fired;
    std::vector<int> highlighted;
    for (int point = 1; point <= 200; ++point) {
        const auto outcome = b.countDwell(true);
        if (outcome == LumoraButton::Dwell::Fired)
            fired.push_back(point);
        if (outcome == LumoraButton::Dwell::Highlighted)
            highlighted.push_back(point);
    }
    EXPECT_EQ(fired, (std::vector<int>{35, 110, 185}));
    EXPECT_EQ(highlighted, (std::vector<int>{30, 105, 180}));
}

TEST_F(ButtonTest, PointElsewhereResetsTheCountAndReleasesThePressedInLook) {
    LM_UtilityButton b(kGroupUndo, "Undo", "Undo");
    for (int i = 0; i < 31; ++i)
        b.countDwell(true);
    EXPECT_TRUE(b.isHighlighted());
    EXPECT_EQ(b.countDwell(false), LumoraButton::Dwell::Released);
    EXPECT_EQ(b.dwellCount(), 0);
    EXPECT_FALSE(b.isHighlighted());
    EXPECT_EQ(b.countDwell(false), LumoraButton::Dwell::Idle);
}

TEST_F(ButtonTest, GazeOnTheRealButtonFiresOnceWithItsValueAndGroupAndAClick) {
    auto* b = new LM_UtilityButton(kGroupUndo, "Undo", "Undo", &m_owner);
    b->setGeometry(10, 10, 100, 80);
    showAll();
    ASSERT_TRUE(b->painted());
    gaze(b, 29);
    EXPECT_FALSE(b->isHighlighted());
    gaze(b, 1);
    EXPECT_TRUE(b->isHighlighted());
    EXPECT_EQ(chosenCount(), 0);
    gaze(b, 5);
    ASSERT_EQ(chosenCount(), 1);
    EXPECT_EQ(m_owner.received[0].wParam, 0u);
    EXPECT_EQ(m_owner.received[0].lParam, kGroupUndo);
    EXPECT_FALSE(b->isHighlighted());
    EXPECT_EQ(m_sound->log(), QStringList{QStringLiteral("async Lumora/Sounds/CLICK.WAV")});
    gaze(b, 74);
    EXPECT_EQ(chosenCount(), 1);
    gaze(b, 1);  // point 110
    EXPECT_EQ(chosenCount(), 2);
}

TEST_F(ButtonTest, NeighboursPointResetsTheCount) {
    auto* a = new LM_UtilityButton(kGroupUndo, "Undo", "Undo", &m_owner);
    auto* n = new LM_UtilityButton(kGroupSave, "Save", "Save", &m_owner);
    a->setGeometry(10, 10, 100, 80);
    n->setGeometry(120, 10, 100, 80);
    showAll();
    gaze(a, 32);
    EXPECT_TRUE(a->isHighlighted());
    // The neighbour is sent the same point, as the owner forwards every point to every button.
    const QPoint p = n->mapToGlobal(QPoint(20, 20));
    PostLumoraMessage(a, WM_GAZE_POINT, 1, MakePointLParam(p.x(), p.y()));
    PostLumoraMessage(n, WM_GAZE_POINT, 1, MakePointLParam(p.x(), p.y()));
    Pump();
    EXPECT_EQ(a->dwellCount(), 0);
    EXPECT_FALSE(a->isHighlighted());
    EXPECT_EQ(n->dwellCount(), 1);
    EXPECT_EQ(chosenCount(), 0);
}

TEST_F(ButtonTest, GazeCursorFollowsThePointOnTheButtonAndLeavesWithIt) {
    auto* a = new LM_UtilityButton(kGroupUndo, "", "", &m_owner);
    a->setGeometry(10, 10, 100, 80);
    showAll();
    const QRgb before = PixelAt(*a, 50, 40);
    gaze(a, 1, QPoint(50, 40));
    EXPECT_EQ(a->gazeCursor().rect(), QRect(43, 33, 15, 15));
    EXPECT_EQ(PixelAt(*a, 50, 40), ColorRefToQRgb(kColorGazeCursor) & 0xFFFFFF);
    PostLumoraMessage(a, WM_GAZE_POINT, 1, MakePointLParam(300, 250));
    Pump();
    EXPECT_EQ(PixelAt(*a, 50, 40), before);
}

TEST_F(ButtonTest, MouseClickFiresWhateverTheCountAndLeavesTheCount) {
    auto* b = new LM_UtilityButton(kGroupUndo, "Undo", "Undo", &m_owner);
    b->setGeometry(10, 10, 100, 80);
    QObject::connect(b, &QAbstractButton::clicked, b, &LumoraButton::activate);
    showAll();
    gaze(b, 20);
    QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(30, 30));
    Pump();
    EXPECT_EQ(chosenCount(), 1);
    EXPECT_EQ(b->dwellCount(), 20);
    gaze(b, 15);  // the dwell goes on from where it was
    EXPECT_EQ(chosenCount(), 2);
}

TEST_F(ButtonTest, PointLeftOrAboveTheScreenDecodesUnsignedAndMissesTheButton) {
    const std::intptr_t lParam = MakePointLParam(1023, 767);
    EXPECT_EQ((static_cast<std::uint32_t>(lParam) >> 16), 767u);
    EXPECT_EQ((static_cast<std::uint32_t>(lParam) & 0xFFFF), 1023u);
    const QPoint off = PointFromLParam(MakePointLParam(-1, -20));
    EXPECT_EQ(off, QPoint(65535, 65516));
    EXPECT_GE(off.x(), 32768);

    auto* b = new LM_UtilityButton(kGroupUndo, "Undo", "Undo", &m_owner);
    b->setGeometry(0, 0, 100, 80);
    showAll();
    gaze(b, 10, QPoint(5, 5));
    PostLumoraMessage(b, WM_GAZE_POINT, 1, MakePointLParam(-1, 5));
    Pump();
    EXPECT_EQ(b->dwellCount(), 0);
}

// ---- Captions, selection and fill ----------------------------------------------------------

TEST_F(ButtonTest, CaptionsSwapAndTheDotShowsOnlyOnTheDotButton) {
    LM_UtilityButton grid(kGroupGrid, "Grid Off", "Grid On", &m_owner);
    auto* dot = new LM_UtilityButton(kGroupDot, "Dot On", "Dot Off", &m_owner);
    dot->setGeometry(10, 10, 100, 80);
    showAll();
    EXPECT_EQ(grid.caption(), "Grid On");
    SendLumoraMessage(&grid, WM_BUTTON_TEXT, 0, 0);
    EXPECT_EQ(grid.caption(), "Grid Off");
    EXPECT_FALSE(grid.showsDot());
    grid.swapCaption();
    EXPECT_EQ(grid.caption(), "Grid On");

    EXPECT_EQ(dot->caption(), "Dot Off");
    dot->swapCaption();
    EXPECT_EQ(dot->caption(), "Dot On");
    EXPECT_TRUE(dot->showsDot());
    // The dot sits at the top centre, and gaze does not move it.
    const QRect dotRect = dot->gazeCursor().rect();
    EXPECT_EQ(dotRect.center(), QPoint(50 - 5, 80 / 3 - 5));
    gaze(dot, 3, QPoint(80, 70));
    EXPECT_EQ(dot->gazeCursor().rect(), dotRect);
    dot->swapCaption();
    EXPECT_EQ(dot->caption(), "Dot Off");
    EXPECT_FALSE(dot->showsDot());
}

TEST_F(ButtonTest, ChoosingTheSelectedShapeAgainTogglesItsFill) {
    auto* rect = new LM_ShapeButton(kShapeRectangle, &m_owner);
    rect->setGeometry(10, 10, 120, 100);
    showAll();
    EXPECT_FALSE(rect->isSelected());
    rect->activate();  // not selected: selects, fill stays off
    Pump();
    ASSERT_EQ(m_owner.received.size(), 2u);
    EXPECT_EQ(m_owner.received[0].wParam, static_cast<std::uintptr_t>(kShapeRectangle));
    EXPECT_EQ(m_owner.received[0].lParam, kGroupShapeTool);
    EXPECT_EQ(m_owner.received[1].wParam, 0u);
    EXPECT_EQ(m_owner.received[1].lParam, kGroupFill);

    const ColorRef red = MakeColorRef(200, 55, 55);
    PostLumoraMessage(rect, WM_BUTTON_CHOSEN, kShapeRectangle, kGroupShapeTool);
    PostLumoraMessage(rect, WM_BUTTON_CHOSEN, red, kGroupColor);
    Pump();
    EXPECT_TRUE(rect->isSelected());
    EXPECT_EQ(PixelAt(*rect, 60, 50), ColorRefToQRgb(kColorBackground) & 0xFFFFFF);

    // The owner answers every shape choice with a selection broadcast, which redraws.
    m_owner.received.clear();
    rect->activate();
    PostLumoraMessage(rect, WM_BUTTON_CHOSEN, kShapeRectangle, kGroupShapeTool);
    Pump();
    EXPECT_TRUE(rect->fill());
    EXPECT_EQ(m_owner.received[1].wParam, 1u);
    EXPECT_EQ(PixelAt(*rect, 60, 50), ColorRefToQRgb(red) & 0xFFFFFF);

    m_owner.received.clear();
    rect->activate();
    Pump();
    EXPECT_FALSE(rect->fill());
    EXPECT_EQ(m_owner.received[1].wParam, 0u);
}

TEST_F(ButtonTest, ColourBroadcastReachesEveryShapeButOnlyTheSelectedShowsIt) {
    auto* line = new LM_ShapeButton(kShapeLine, &m_owner);
    auto* circle = new LM_ShapeButton(kShapeCircle, &m_owner);
    line->setGeometry(10, 10, 120, 100);
    circle->setGeometry(140, 10, 120, 100);
    showAll();
    EXPECT_TRUE(line->isSelected());
    const ColorRef green = MakeColorRef(80, 152, 71);
    PostLumoraMessage(line, WM_BUTTON_CHOSEN, green, kGroupColor);
    PostLumoraMessage(circle, WM_BUTTON_CHOSEN, green, kGroupColor);
    Pump();
    EXPECT_EQ(line->currentColor(), green);
    EXPECT_EQ(circle->currentColor(), green);
    EXPECT_EQ(PixelAt(*line, 60, 50), ColorRefToQRgb(green) & 0xFFFFFF);  // on the diagonal
    EXPECT_EQ(PixelAt(*circle, 10, 50), 0xAAAAAAu);                       // grey outline

    // The stamp tool leaves no shape selected.
    PostLumoraMessage(line, WM_BUTTON_CHOSEN, 0, kGroupStampTool);
    Pump();
    EXPECT_FALSE(line->isSelected());
    EXPECT_EQ(PixelAt(*line, 60, 50), 0xAAAAAAu);
}

TEST_F(ButtonTest, ColourButtonsFollowTheColourBroadcast) {
    auto* black = new LM_ColorButton(kColorBlack, &m_owner);
    auto* white = new LM_ColorButton(kColorWhite, &m_owner);
    black->setGeometry(10, 10, 80, 80);
    white->setGeometry(100, 10, 80, 80);
    showAll();
    EXPECT_TRUE(black->isSelected());
    EXPECT_FALSE(white->isSelected());
    EXPECT_EQ(PixelAt(*black, 12, 12), 0u);  // the large square
    for (LumoraButton* b : {static_cast<LumoraButton*>(black), static_cast<LumoraButton*>(white)})
        PostLumoraMessage(b, WM_BUTTON_CHOSEN, kColorWhite, kGroupColor);
    Pump();
    EXPECT_FALSE(black->isSelected());
    EXPECT_TRUE(white->isSelected());
    EXPECT_EQ(PixelAt(*black, 12, 12), ColorRefToQRgb(kColorBackground) & 0xFFFFFF);
    white->activate();
    Pump();
    EXPECT_EQ(m_owner.received.back().wParam, kColorWhite);
    EXPECT_EQ(m_owner.received.back().lParam, kGroupColor);
}

TEST_F(ButtonTest, StampButtonPostsItsPictureNumberAndShowsThePicture) {
    auto* flower = new LM_StampButton(149, &m_owner);
    flower->setGeometry(10, 10, 80, 80);
    showAll();
    flower->activate();
    Pump();
    ASSERT_EQ(m_owner.received.size(), 1u);
    EXPECT_EQ(m_owner.received[0].wParam, 149u);
    EXPECT_EQ(m_owner.received[0].lParam, kGroupStamp);
    // Something of the picture is drawn inside the stamp area, and the white around it is not.
    int drawn = 0;
    for (int y = 10; y < 70; ++y)
        for (int x = 10; x < 70; ++x)
            drawn += PixelAt(*flower, x, y) != (ColorRefToQRgb(kColorBackground) & 0xFFFFFF);
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(PixelAt(*flower, 11, 11), ColorRefToQRgb(kColorBackground) & 0xFFFFFF);
}

TEST_F(ButtonTest, PictureFromAFileOrNoneWhenTheFileIsMissingOrBad) {
    auto* arrow = new LM_UtilityButton(kGroupRotateLeft, "", "", &m_owner);
    arrow->setGeometry(10, 10, 100, 85);
    showAll();
    QDir().mkpath(QStringLiteral("Lumora/Images"));
    QImage red(100, 85, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(QStringLiteral("Lumora/Images/red.bmp"), "BMP"));
    static const QString good = QStringLiteral("Lumora/Images/red.bmp");
    PostLumoraText(arrow, WM_SET_BUTTON_IMAGE, 0, good);
    Pump();
    EXPECT_TRUE(arrow->hasImage());
    EXPECT_EQ(arrow->imageName(), good);
    EXPECT_EQ(PixelAt(*arrow, 50, 42), 0xFF0000u);

    QFile bad(QStringLiteral("Lumora/Images/bad.bmp"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("BM not really a picture");
    bad.close();
    arrow->setImageFile(QStringLiteral("Lumora/Images/bad.bmp"));
    EXPECT_FALSE(arrow->hasImage());
    arrow->setImageFile(QStringLiteral("Lumora/Images/missing.bmp"));
    EXPECT_FALSE(arrow->hasImage());
    EXPECT_EQ(PixelAt(*arrow, 50, 42), ColorRefToQRgb(kColorBackground) & 0xFFFFFF);
}
