#include "FaceTracker.h"

#include <gtest/gtest.h>

#include <cmath>

#include "VideoTestSupport.h"

namespace qvtrack {
namespace {

using namespace headvideo;

struct Segment {
    const char* what;
    std::size_t first, end;  // frames [first, end)
};

struct Recording {
    Script script;
    std::vector<Segment> segments;
    std::vector<FaceObservation> seen;
    cv::Point2d offset;  // the followed centre minus the face's centre, at the start
};

void Add(Recording& run, const char* what, const std::function<void(Script&)>& add) {
    const std::size_t first = run.script.size();
    add(run.script);
    run.segments.push_back({what, first, run.script.size()});
}

const Segment& Find(const Recording& run, const std::string& what) {
    for (const Segment& s : run.segments) {
        if (what == s.what) {
            return s;
        }
    }
    throw std::logic_error("no segment " + what);
}

// Where the tracker's centre is off the face's true centre, beyond the constant offset between
// the cascade's idea of a face's centre and the video's.
double Error(const Recording& run, std::size_t frame) {
    const FaceObservation& o = run.seen[frame];
    const cv::Point2d off = cv::Point2d(o.x, o.y) - run.script[frame].face - run.offset;
    return std::hypot(off.x, off.y);
}

// One video with everything a webcam shows of a user: turns of the head, blur, a change of
// light, the user away and back, a hand in front of the face.
const Recording& Followed() {
    static Recording run = [] {
        Recording r;
        const cv::Point2d middle = FaceFor(0.5, 0.5);
        Add(r, "still", [&](Script& s) { Hold(s, middle, 12); });
        Add(r, "turns", [&](Script& s) {
            Move(s, FaceFor(0.9, 0.15), 8);
            Hold(s, FaceFor(0.9, 0.15), 6);
            Move(s, FaceFor(0.1, 0.85), 10);
            Hold(s, FaceFor(0.1, 0.85), 6);
            Move(s, FaceFor(0.4, 0.6), 8);
        });
        Shot blurred;
        blurred.blur = 1.8;
        Add(r, "blurred", [&](Script& s) {
            Move(s, FaceFor(0.6, 0.4), 8, blurred);
            Hold(s, FaceFor(0.6, 0.4), 8, blurred);
        });
        Add(r, "dimming", [&](Script& s) {
            for (int i = 1; i <= 10; ++i) {
                Shot dim;
                dim.light = 1 - 0.045 * i;
                Hold(s, FaceFor(0.6 - 0.01 * i, 0.4), 1, dim);
            }
        });
        Shot dark;
        dark.light = 0.55;
        Add(r, "dark", [&](Script& s) { Move(s, FaceFor(0.45, 0.5), 8, dark); });
        Add(r, "light switched on", [&](Script& s) { Hold(s, FaceFor(0.45, 0.5), 10); });
        Shot away;
        away.present = false;
        Add(r, "away", [&](Script& s) { Hold(s, FaceFor(0.45, 0.5), 20, away); });
        Add(r, "back", [&](Script& s) { Hold(s, FaceFor(0.55, 0.45), 15); });
        Shot hand;
        hand.covered = true;
        Add(r, "covered", [&](Script& s) {
            Hold(s, FaceFor(0.55, 0.45), 6, hand);
            Move(s, FaceFor(0.35, 0.55), 10, hand);
            Hold(s, FaceFor(0.35, 0.55), 6, hand);
        });
        Add(r, "uncovered", [&](Script& s) { Hold(s, FaceFor(0.35, 0.55), 8); });

        const std::string path = Video("followed", r.script);
        auto finder = LoadedFinder();
        FaceTracker tracker(*finder);
        VideoFrames frames(path);
        cv::Mat frame;
        double seconds = 0;
        while (frames.next(frame, seconds)) {
            r.seen.push_back(tracker.track(frame, seconds));
        }
        if (r.seen.size() == r.script.size() && r.seen.front().found) {
            r.offset = cv::Point2d(r.seen.front().x, r.seen.front().y) - r.script.front().face;
        }
        return r;
    }();
    return run;
}

TEST(FaceTracker, TheFaceIsFollowedThroughTurnsBlurAndChangesOfLight) {
    const Recording& run = Followed();
    ASSERT_EQ(run.seen.size(), run.script.size());
    EXPECT_EQ(run.seen.front().frameWidth, kWidth);
    EXPECT_EQ(run.seen.front().frameHeight, kHeight);
    EXPECT_NEAR(run.seen[1].seconds - run.seen[0].seconds, 1 / kTestRate, 1e-9);
    struct Expect {
        const char* segment;
        double within;  // pixels
    };
    const Expect expects[] = {
        {"still", 0.5}, {"turns", 1.0}, {"blurred", 1.0}, {"dimming", 1.0}, {"dark", 1.0}, {"light switched on", 1.0},
    };
    for (const Expect& e : expects) {
        const Segment& s = Find(run, e.segment);
        for (std::size_t f = s.first; f < s.end; ++f) {
            ASSERT_TRUE(run.seen[f].found) << e.segment << ", frame " << f;
            EXPECT_LT(Error(run, f), e.within) << e.segment << ", frame " << f;
        }
    }
}

// A face that leaves is lost at once and found soon after it comes back; a hand in front of
// it may cost the face, but must never send the centre elsewhere.
TEST(FaceTracker, AFaceThatLeavesOrIsCoveredIsNeverMisplaced) {
    const Recording& run = Followed();
    ASSERT_EQ(run.seen.size(), run.script.size());
    const Segment& away = Find(run, "away");
    // The first frame without the face may still count as one with it; none after that.
    for (std::size_t f = away.first + 1; f < away.end; ++f) {
        EXPECT_FALSE(run.seen[f].found) << "frame " << f;
    }
    const Segment& back = Find(run, "back");
    std::size_t found = back.first;
    while (found < back.end && !run.seen[found].found) {
        ++found;
    }
    EXPECT_LT(found - back.first, 10u);
    std::size_t lost = away.first;
    while (lost < away.end && run.seen[lost].found) {
        ++lost;
    }
    RecordProperty("frames_to_lose", std::to_string(lost - away.first + 1));
    RecordProperty("frames_to_find", std::to_string(found - back.first + 1));
    for (std::size_t f = found; f < back.end; ++f) {
        EXPECT_TRUE(run.seen[f].found) << "frame " << f;
        EXPECT_LT(Error(run, f), 4.0) << "frame " << f;
    }
    for (const char* name : {"covered", "uncovered"}) {
        const Segment& s = Find(run, name);
        int seen = 0;
        for (std::size_t f = s.first; f < s.end; ++f) {
            if (run.seen[f].found) {
                ++seen;
                EXPECT_LT(Error(run, f), 4.0) << name << ", frame " << f;
            }
        }
        EXPECT_GT(seen, static_cast<int>(s.end - s.first) / 2) << name;
    }
}

TEST(FaceTracker, ATrackerThatWasResetSearchesAgain) {
    auto finder = LoadedFinder();
    FaceTracker tracker(*finder);
    cv::RNG rng(3);
    const HeadVideo* maker = Maker();
    ASSERT_TRUE(maker);
    const cv::Mat frame = maker->render(Shot{}, rng);
    EXPECT_TRUE(tracker.track(frame, 0).found);
    EXPECT_EQ(tracker.lastWork(), FaceTracker::Work::Searched);
    EXPECT_TRUE(tracker.track(frame, 0.1).found);
    EXPECT_EQ(tracker.lastWork(), FaceTracker::Work::Followed);
    tracker.reset();
    EXPECT_TRUE(tracker.track(frame, 0.2).found);
    EXPECT_EQ(tracker.lastWork(), FaceTracker::Work::Searched);
}

TEST(FaceTracker, AnEmptyRoomCostsASearchOnlyEveryFewFrames) {
    auto finder = LoadedFinder();
    FaceTracker tracker(*finder);
    cv::RNG rng(4);
    const HeadVideo* maker = Maker();
    ASSERT_TRUE(maker);
    Shot away;
    away.present = false;
    const cv::Mat frame = maker->render(away, rng);
    int searches = 0;
    const int frames = FaceTracker::kEagerSearchFrames + 10 * FaceTracker::kSearchEvery;
    for (int i = 0; i < frames; ++i) {
        EXPECT_FALSE(tracker.track(frame, i / kTestRate).found);
        searches += tracker.lastWork() == FaceTracker::Work::Searched;
    }
    EXPECT_EQ(searches, FaceTracker::kEagerSearchFrames + 10);
}

}  // namespace
}  // namespace qvtrack
