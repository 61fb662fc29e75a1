#include "FixationDetector.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "GazeTestSupport.h"

namespace lumora {
namespace {

using Entry = FixationDetector::Entry;

constexpr float kThreshold = 10.0f;

struct Sample {
    bool found;
    float x, y;
};

struct Report {
    int state;
    Entry e;
};

std::vector<Report> Detect(const std::vector<Sample>& samples, int n, float threshold = kThreshold) {
    FixationDetector d;
    d.ResetFixationDetector(n);
    std::vector<Report> out;
    for (const Sample& s : samples) {
        Entry e;
        const int state = d.FeedFixationDetector(s.found, s.x, s.y, threshold, n, e);
        out.push_back(Report{state, e});
    }
    return out;
}

std::vector<Sample> Repeat(float x, float y, int count, bool found = true) {
    return std::vector<Sample>(static_cast<std::size_t>(count), Sample{found, x, y});
}

std::vector<Sample> Concat(std::initializer_list<std::vector<Sample>> parts) {
    std::vector<Sample> all;
    for (const auto& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// The report of call `call` (1-based) concerns the sample fed `n` calls earlier.
const Report& At(const std::vector<Report>& r, int call) {
    return r.at(static_cast<std::size_t>(call - 1));
}

class FirstCallsEmpty : public ::testing::TestWithParam<int> {};

TEST_P(FirstCallsEmpty, ReportUnwrittenEntries) {
    const int n = GetParam();
    const auto r = Detect(Repeat(300, 200, n + 1), n);
    for (int call = 1; call <= n; ++call) {
        const Report& rep = At(r, call);
        EXPECT_EQ(rep.state, 0) << call;
        EXPECT_FALSE(rep.e.found);
        EXPECT_EQ(rep.e.x, 0.0f);
        EXPECT_EQ(rep.e.y, 0.0f);
        EXPECT_FLOAT_EQ(rep.e.deviation, -0.1f);
    }
    EXPECT_TRUE(At(r, n + 1).e.found);
    EXPECT_EQ(At(r, n + 1).e.x, 300.0f);
}

INSTANTIATE_TEST_SUITE_P(Counts, FirstCallsEmpty, ::testing::Values(3, 5, 31, 99));

TEST(FixationDetector, CountBelowThreeBehavesAsThree) {
    std::vector<Sample> stream;
    for (int i = 0; i < 150; ++i)
        stream.push_back(Sample{i % 17 != 5, static_cast<float>((i / 7) % 3 * 40 + i % 4), static_cast<float>(i % 9)});
    const auto three = Detect(stream, 3);
    for (int n : {2, 0, -4}) {
        const auto low = Detect(stream, n);
        for (std::size_t i = 0; i < stream.size(); ++i) {
            EXPECT_EQ(low[i].state, three[i].state) << "n " << n << " call " << i + 1;
            EXPECT_EQ(low[i].e.x, three[i].e.x);
            EXPECT_EQ(low[i].e.fixationDuration, three[i].e.fixationDuration);
        }
    }
}

TEST(FixationDetector, CountOf99Works) {
    const auto r = Detect(Repeat(10, 10, 250), 99);
    EXPECT_EQ(At(r, 100).state, 1);
    EXPECT_EQ(At(r, 100).e.fixationDuration, 1);
    EXPECT_EQ(At(r, 250).state, 1);
    EXPECT_EQ(At(r, 250).e.fixationDuration, 151);
}

TEST(FixationDetectorDeathTest, CountOf100EndsTheProgramWithStatus99) {
    testsupport::ScratchDir dir;
    EXPECT_EXIT(
        {
            // Standard input is not a terminal here, so no key is awaited.
            std::freopen("fatal.txt", "w", stdout);
            FixationDetector d;
            Entry e;
            d.FeedFixationDetector(true, 1, 1, kThreshold, 100, e);
        },
        ::testing::ExitedWithCode(FixationDetector::kFatalExitStatus), "");
    EXPECT_EQ(testsupport::ReadFile("fatal.txt"), "minimum_fix_samples 100 >= RING_SIZE 100\nPress any key to terminate...\n");
}

TEST(FixationDetector, SteadyGazeFixatesWithGrowingDuration) {
    const int n = 3;
    const auto r = Detect(Repeat(512, 384, 300), n);
    // Well past one trip round the ring, the delayed sample of call c is sample c - n.
    for (int call = n + 1; call <= 300; ++call) {
        const Report& rep = At(r, call);
        ASSERT_EQ(rep.state, 1) << call;
        EXPECT_EQ(rep.e.fixationDuration, call - n) << call;
        EXPECT_EQ(rep.e.saccadeDuration, 0);
        // The centroid is the sum times 1/count, so it may miss by a rounding step.
        EXPECT_FLOAT_EQ(rep.e.fixX, 512.0f);
        EXPECT_FLOAT_EQ(rep.e.fixY, 384.0f);
        if (call > n + 1) {  // the first sample starts the fixation and has no deviation
            EXPECT_NEAR(rep.e.deviation, 0.0f, 1e-3f);
        }
    }
}

TEST(FixationDetector, DeviationIsDistanceFromCentroid) {
    const auto r = Detect(Concat({Repeat(0, 0, 4), Repeat(3, 4, 1), Repeat(0, 0, 3)}), 3);
    EXPECT_FLOAT_EQ(At(r, 8).e.deviation, 5.0f);  // sample 5, reported at call 8
}

TEST(FixationDetector, SingleOutsideSampleIsRestored) {
    const int n = 3;
    const auto r = Detect(Concat({Repeat(100, 100, 10), Repeat(115, 100, 1), Repeat(100, 100, 10)}), n);
    for (const Report& rep : r)
        EXPECT_NE(rep.state, 2);
    const Report& outside = At(r, 11 + n);
    EXPECT_EQ(outside.e.x, 115.0f);
    EXPECT_FLOAT_EQ(outside.e.deviation, 15.0f);
    EXPECT_EQ(outside.state, 1);
    EXPECT_EQ(At(r, 21).state, 1);
}

TEST(FixationDetector, ThreeOutsideSamplesCompleteTheFixation) {
    const int n = 3;
    const auto r = Detect(Concat({Repeat(100, 100, 10), Repeat(300, 300, 6)}), n);
    for (int call = 1; call <= 12; ++call)
        EXPECT_NE(At(r, call).state, 2) << call;
    // Call 13 is the third outside sample; it reports sample 10, the fixation's last.
    EXPECT_EQ(At(r, 13).state, 2);
    EXPECT_EQ(At(r, 13).e.x, 100.0f);
    // The outside samples now form the present fixation.
    for (int call = 14; call <= 16; ++call) {
        const Report& rep = At(r, call);
        EXPECT_EQ(rep.state, 1) << call;
        EXPECT_EQ(rep.e.x, 300.0f);
        EXPECT_EQ(rep.e.fixX, 300.0f);
        EXPECT_EQ(rep.e.fixationDuration, call - 13);
        EXPECT_EQ(rep.e.saccadeDuration, 0);
    }
}

TEST(FixationDetector, NextFixationCountsTheSaccade) {
    const int n = 3;
    // Fixation on samples 1-10, a saccade of samples 11-12 scattered, then steady from 13.
    const auto r =
        Detect(Concat({Repeat(100, 100, 10), Repeat(300, 300, 1), Repeat(600, 600, 1), Repeat(900, 100, 8)}), n);
    EXPECT_EQ(At(r, 13).state, 2);
    const Report& first = At(r, 13 + n);
    EXPECT_EQ(first.e.x, 900.0f);
    EXPECT_EQ(first.state, 1);
    EXPECT_EQ(first.e.saccadeDuration, 2);
    EXPECT_EQ(first.e.fixationDuration, 1);
}

TEST(FixationDetector, DriftingCandidateRestartsAndReplacesShortPresent) {
    const int n = 5;
    // A present fixation of only two samples, one sample at C, then five at D far from C.
    const auto r =
        Detect(Concat({Repeat(100, 100, 2), Repeat(500, 500, 1), Repeat(800, 800, 5), Repeat(800, 800, 5)}), n);
    for (const Report& rep : r)
        EXPECT_NE(rep.state, 2);
    EXPECT_EQ(At(r, 3 + n).e.x, 500.0f);
    EXPECT_EQ(At(r, 3 + n).state, 0);  // C was dropped with its candidate
    const Report& d1 = At(r, 4 + n);
    EXPECT_EQ(d1.e.x, 800.0f);
    EXPECT_EQ(d1.state, 1);
    EXPECT_EQ(d1.e.fixationDuration, 1);
    EXPECT_EQ(d1.e.fixX, 800.0f);
    EXPECT_EQ(At(r, 1 + n).state, 0);
}

TEST(FixationDetector, LostEyeCompletesAndClearsTheFixation) {
    const int n = 3;
    const auto r = Detect(Concat({Repeat(100, 100, 10), Repeat(0, 0, 3, false), Repeat(700, 700, 6)}), n);
    EXPECT_EQ(At(r, 12).state, 1);
    EXPECT_EQ(At(r, 13).state, 2);
    EXPECT_EQ(At(r, 13).e.x, 100.0f);
    // The next look starts a fresh fixation with no completion in between.
    for (int call = 14; call <= 19; ++call)
        EXPECT_NE(At(r, call).state, 2) << call;
    EXPECT_EQ(At(r, 14 + n).state, 1);
    EXPECT_EQ(At(r, 14 + n).e.fixationDuration, 1);
    EXPECT_FALSE(At(r, 11 + n).e.found);
}

TEST(FixationDetector, ResetStartsOver) {
    FixationDetector d;
    Entry e;
    for (int i = 0; i < 20; ++i)
        d.FeedFixationDetector(true, 5, 5, kThreshold, 3, e);
    d.ResetFixationDetector(3);
    EXPECT_EQ(d.callCount(), 0);
    EXPECT_EQ(d.FeedFixationDetector(true, 5, 5, kThreshold, 3, e), 0);
    EXPECT_FALSE(e.found);
    EXPECT_FLOAT_EQ(e.deviation, -0.1f);
}

}  // namespace
}  // namespace lumora
