// The gaze thread's posting on Qt: points coalesced, every other message kept in its place.
#include "app/QtGazeMessageSink.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QObject>
#include <atomic>
#include <functional>
#include <memory>
#include <thread>
#include <vector>

#include "app/PendingGazePoint.h"

using namespace lumora;
using namespace std::chrono_literals;

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
    // Called with each message as it is delivered, after it has been read.
    std::function<void()> onDelivery;
    bool event(QEvent* e) override {
        if (e->type() != LumoraMessageEvent::eventType())
            return QObject::event(e);
        const auto* m = static_cast<const LumoraMessageEvent*>(e);
        got.push_back({m->msg(), m->wParam(), m->lParam()});
        if (onDelivery)
            onDelivery();
        return true;
    }
};

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "QtGazeMessageSink_test";
    static char* argv[] = {name, nullptr};
    static QCoreApplication instance(argc, argv);
    return instance;
}

void Deliver() {
    QCoreApplication::sendPostedEvents(nullptr, LumoraMessageEvent::eventType());
}

// Messages as a script: a point at x, a dwell at x, a fixation end at x, or another message.
Received Point(int x) {
    return {WM_GAZE_POINT, 1, MakePointLParam(x, 7)};
}
Received Dwell(int x) {
    return {WM_GAZE_DWELL, 1, MakePointLParam(x, 7)};
}
Received FixationEnd(int x) {
    return {WM_GAZE_FIXATION_END, 1, MakePointLParam(x, 7)};
}
const Received kReady{WM_TRACKER_READY, 0, 0};
const Received kClose{WM_CLOSE, 0, 0};

}  // namespace

TEST(QtGazeMessageSink, AFloodLeavesOnePendingPointTheNewest) {
    App();
    Recorder window;
    QtGazeMessageSink sink(&window);
    constexpr int kFlood = 20000;
    std::thread gaze([&] {
        for (int i = 0; i < kFlood; ++i)
            sink.post(WM_GAZE_POINT, static_cast<std::uintptr_t>(i & 1), MakePointLParam(i % 1000, i / 1000));
    });
    gaze.join();
    Deliver();
    ASSERT_EQ(window.got.size(), 1u);
    EXPECT_EQ(window.got[0], (Received{WM_GAZE_POINT, 1, MakePointLParam(999, 19)}));
}

TEST(QtGazeMessageSink, DwellsAndFixationEndsKeepTheirPlaceAmongThePoints) {
    App();
    struct Case {
        const char* what;
        std::vector<Received> posted;
        std::vector<Received> delivered;
    };
    const Case cases[] = {
        {"points only", {Point(1), Point(2), Point(3)}, {Point(3)}},
        {"a dwell between two points", {Point(1), Dwell(1), Point(2)}, {Point(1), Dwell(1), Point(2)}},
        {"runs of points around a dwell and a fixation end",
         {Point(1), Point(2), Dwell(2), Point(3), Point(4), FixationEnd(4), Point(5)},
         {Point(2), Dwell(2), Point(4), FixationEnd(4), Point(5)}},
        {"dwells never merge", {Dwell(1), Dwell(1), FixationEnd(1), Dwell(2)},
         {Dwell(1), Dwell(1), FixationEnd(1), Dwell(2)}},
        {"start and end of the thread", {kReady, Point(1), Point(2), kClose, Point(3)},
         {kReady, Point(2), kClose, Point(3)}},
    };
    for (const Case& c : cases) {
        Recorder window;
        QtGazeMessageSink sink(&window);
        for (const Received& m : c.posted)
            sink.post(m.msg, m.wParam, m.lParam);
        Deliver();
        EXPECT_EQ(window.got, c.delivered) << c.what;
    }
}

TEST(QtGazeMessageSink, APointTheWindowHasTakenIsNeverChanged) {
    App();
    Recorder window;
    QtGazeMessageSink sink(&window);
    // Posted while the window is reading the one before: it gets an event of its own.
    bool postedDuringDelivery = false;
    window.onDelivery = [&] {
        if (!postedDuringDelivery) {
            postedDuringDelivery = true;
            sink.post(WM_GAZE_POINT, 1, MakePointLParam(2, 7));
        }
    };
    sink.post(WM_GAZE_POINT, 1, MakePointLParam(1, 7));
    Deliver();
    Deliver();
    EXPECT_EQ(window.got, (std::vector<Received>{Point(1), Point(2)}));
    // After delivery a new point is a new event too.
    sink.post(WM_GAZE_POINT, 1, MakePointLParam(3, 7));
    Deliver();
    EXPECT_EQ(window.got.back(), Point(3));
    EXPECT_EQ(window.got.size(), 3u);
}

TEST(QtGazeMessageSink, AWindowThatKeepsUpSeesEveryPoint) {
    App();
    Recorder window;
    // A tracker of one sample a second: each point may wait up to half a second for the window,
    // which is far more than a window that keeps up needs.
    std::atomic<int> rate{1};
    QtGazeMessageSink sink(&window, &rate, 5s);
    constexpr int kPoints = 300;
    std::atomic<bool> done{false};
    std::thread gaze([&] {
        for (int i = 0; i < kPoints; ++i)
            sink.post(WM_GAZE_POINT, 1, MakePointLParam(i, 7));
        done = true;
    });
    while (!done)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    gaze.join();
    Deliver();
    ASSERT_EQ(window.got.size(), std::size_t(kPoints));
    for (int i = 0; i < kPoints; ++i)
        EXPECT_EQ(window.got[i], Point(i));
}

TEST(QtGazeMessageSink, AWaitIsHalfASamplePeriodAndBounded) {
    EXPECT_EQ(QtGazeMessageSink::WaitFor(0), 0us);
    EXPECT_EQ(QtGazeMessageSink::WaitFor(-5), 0us);
    EXPECT_EQ(QtGazeMessageSink::WaitFor(60), 8333us);
    EXPECT_EQ(QtGazeMessageSink::WaitFor(500), 1000us);
    EXPECT_EQ(QtGazeMessageSink::WaitFor(501), 0us);
    EXPECT_EQ(QtGazeMessageSink::WaitFor(10000), 0us);
    EXPECT_EQ(QtGazeMessageSink::WaitFor(1), QtGazeMessageSink::kLongestWait);
}

TEST(QtGazeMessageSink, NoTargetNoEvents) {
    App();
    QtGazeMessageSink sink(nullptr);
    sink.post(WM_GAZE_POINT, 1, 0);
    sink.post(WM_GAZE_DWELL, 1, 0);
    Deliver();
    SUCCEED();
}

TEST(PendingGazePoint, ReplacedUntilTakenFinishedWhenItsEventIsGone) {
    auto point = std::make_shared<PendingGazePoint>(1, 10);
    EXPECT_TRUE(point->replace(0, 20));
    EXPECT_TRUE(point->replace(1, 30));
    EXPECT_EQ(point->pointsCarried(), 3u);
    EXPECT_FALSE(point->waitFinished(0us));
    {
        const LumoraMessageEvent event(WM_GAZE_POINT, point);
        EXPECT_EQ(event.msg(), WM_GAZE_POINT);
        EXPECT_EQ(event.lParam(), 30);
        EXPECT_FALSE(point->replace(0, 40));
        EXPECT_EQ(event.wParam(), 1u);
        EXPECT_EQ(event.lParam(), 30);
        // A copy of the event is a plain message of the same point.
        const std::unique_ptr<LumoraMessageEvent> copy(event.clone());
        EXPECT_EQ(copy->lParam(), 30);
    }
    EXPECT_TRUE(point->waitFinished(0us));
}

TEST(PendingGazePoint, AnEventDroppedUnreadReleasesItsPoster) {
    App();
    auto window = std::make_unique<Recorder>();
    auto point = std::make_shared<PendingGazePoint>(1, 10);
    QCoreApplication::postEvent(window.get(), new LumoraMessageEvent(WM_GAZE_POINT, point));
    window.reset();  // its queued events go with it
    EXPECT_TRUE(point->waitFinished(0us));
}
