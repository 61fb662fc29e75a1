#include "CameraReader.h"

#include <gtest/gtest.h>

#include <deque>
#include <sstream>

#include "VideoTestSupport.h"

namespace qvtrack {
namespace {

using namespace headvideo;

// A camera that does what the test says: each open() and read() takes the next planned answer.
class PlannedFeed : public FrameFeed {
public:
    enum class Step { OpenFails, Opens, Frame, OddFrame, Fails, Ends };

    explicit PlannedFeed(std::deque<Step> plan) : m_plan(std::move(plan)) {
        cv::RNG rng(9);
        if (const HeadVideo* maker = Maker()) {
            m_face = maker->render(Shot{}, rng);
        }
    }

    bool open(std::string& error) override {
        ++opens;
        if (take() == Step::Opens) {
            return true;
        }
        error = "unplugged";
        return false;
    }
    void close() override { ++closes; }
    Read read(cv::Mat& frame, double& seconds) override {
        seconds = m_seconds += 1 / kTestRate;
        switch (take()) {
            case Step::Frame:
                frame = m_face;
                return Read::Frame;
            case Step::OddFrame:
                frame = cv::Mat(kHeight, kWidth, CV_16UC2, cv::Scalar(7, 7));
                return Read::Frame;
            case Step::Ends:
                return Read::Ended;
            default:
                return Read::Failed;
        }
    }
    double framesPerSecond() const override { return kTestRate; }
    bool reconnects() const override { return true; }
    const std::string& name() const override { return m_name; }

    std::atomic<int> opens{0};
    std::atomic<int> closes{0};

private:
    Step take() {
        EXPECT_FALSE(m_plan.empty()) << "the reader asked for more than planned";
        if (m_plan.empty()) {
            return Step::Ends;
        }
        const Step s = m_plan.front();
        m_plan.pop_front();
        return s;
    }

    std::deque<Step> m_plan;
    cv::Mat m_face;
    double m_seconds = 0;
    std::string m_name = "/dev/video7";
};

using S = PlannedFeed::Step;
using R = CameraReader::Step;

int Lines(const std::string& text) {
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

TEST(CameraReader, OneLinePerOutageWhateverTheRetries) {
    auto feed = std::make_unique<PlannedFeed>(std::deque<S>{
        S::OpenFails, S::OpenFails, S::OpenFails, S::Opens, S::Frame, S::Frame,  // away at first
        S::Fails, S::OpenFails, S::Opens, S::Frame,                                // unplugged once
        S::Fails, S::Opens, S::Frame,                                              // a hiccup
    });
    PlannedFeed& camera = *feed;
    std::ostringstream log;
    CameraReader reader(std::move(feed), LoadedFinder(), log);
    const R expected[] = {R::Unavailable, R::Unavailable, R::Unavailable, R::Observed, R::Observed,
                          R::Unavailable, R::Unavailable, R::Observed, R::Unavailable, R::Observed};
    for (R e : expected) {
        FaceObservation face;
        EXPECT_EQ(reader.step(face), e);
        if (e == R::Observed) {
            EXPECT_TRUE(face.found);
        }
    }
    EXPECT_EQ(camera.opens, 7);
    EXPECT_EQ(Lines(log.str()), 3) << log.str();
    EXPECT_NE(log.str().find("qvtrack: cannot open the camera /dev/video7 (unplugged); retrying"), std::string::npos)
        << log.str();
    EXPECT_NE(log.str().find("qvtrack: the camera /dev/video7 stopped sending frames; reconnecting"),
              std::string::npos)
        << log.str();
}

TEST(CameraReader, AFrameOpenCvCannotWorkOnHasNoFace) {
    std::ostringstream log;
    CameraReader reader(std::make_unique<PlannedFeed>(std::deque<S>{S::Frame, S::OddFrame, S::Frame}), LoadedFinder(),
                        log, true);
    FaceObservation face;
    EXPECT_EQ(reader.step(face), R::Observed);
    EXPECT_TRUE(face.found);
    EXPECT_EQ(reader.step(face), R::Observed);
    EXPECT_FALSE(face.found);
    EXPECT_EQ(reader.step(face), R::Observed);
    EXPECT_TRUE(face.found);
    EXPECT_TRUE(log.str().empty()) << log.str();
}

TEST(CameraReader, ARunEndsWithTheVideoAndSaysWhileFramesCome) {
    std::ostringstream log;
    auto feed = std::make_unique<PlannedFeed>(std::deque<S>{S::Frame, S::Frame, S::Frame, S::Ends});
    const PlannedFeed& camera = *feed;
    CameraReader reader(std::move(feed), LoadedFinder(), log, true);
    BackgroundLoop loop;
    std::atomic<std::int32_t> connected{0};
    std::atomic<bool> returned{false};
    int observed = 0;
    std::int32_t connectedWhileObserving = 0;
    loop.start([&] {
        reader.run(
            loop,
            [&](const FaceObservation&) {
                ++observed;
                connectedWhileObserving = connected.load();
            },
            &connected);
        returned = true;
    });
    while (!returned) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    loop.stop();
    EXPECT_EQ(observed, 3);
    EXPECT_EQ(connectedWhileObserving, 1);
    EXPECT_EQ(connected.load(), 0);
    FaceObservation face;
    EXPECT_EQ(reader.step(face), R::Ended);
    EXPECT_EQ(log.str(), "qvtrack: the video " + camera.name() + " has ended; no face from here on\n");
}

TEST(CameraReader, StoppingEndsTheWaitForACameraThatIsAway) {
    std::ostringstream log;
    auto feed = std::make_unique<PlannedFeed>(std::deque<S>(1000, S::OpenFails));
    PlannedFeed& camera = *feed;
    CameraReader reader(std::move(feed), LoadedFinder(), log);
    BackgroundLoop loop;
    std::atomic<std::int32_t> connected{1};
    loop.start([&] { reader.run(loop, [](const FaceObservation&) {}, &connected); });
    while (camera.opens < 2) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    loop.stop();  // must not wait out the back-off, which is long by now
    EXPECT_EQ(connected.load(), 0);
    EXPECT_EQ(Lines(log.str()), 1) << log.str();
}

}  // namespace
}  // namespace qvtrack
