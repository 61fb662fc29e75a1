#include "OneEuroFilter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace qvtrack {
namespace {

constexpr double kRate = 30;

double Rms(const std::vector<double>& values, double around) {
    double sum = 0;
    for (double v : values) {
        sum += (v - around) * (v - around);
    }
    return std::sqrt(sum / values.size());
}

TEST(OneEuroFilter, FirstValuePassesAndAStillValueStays) {
    OneEuroFilter filter({1.0, 0.01, 1.0});
    EXPECT_DOUBLE_EQ(filter.filter(512, 0), 512);
    for (int i = 1; i < 30; ++i) {
        EXPECT_DOUBLE_EQ(filter.filter(512, i / kRate), 512);
    }
}

TEST(OneEuroFilter, NoiseOnAStillValueIsDampedSeveralTimes) {
    std::mt19937 random(5);
    std::normal_distribution<double> noise(0, 3);
    OneEuroFilter filter({0.6, 0.01, 1.0});
    std::vector<double> in, out;
    for (int i = 0; i < 300; ++i) {
        const double value = 400 + noise(random);
        const double filtered = filter.filter(value, i / kRate);
        if (i >= 30) {
            in.push_back(value);
            out.push_back(filtered);
        }
    }
    EXPECT_LT(Rms(out, 400), Rms(in, 400) / 3);
}

// The point of the adaptive cutoff: a fast movement is followed closely, where a plain low-pass
// filter as steady at rest would trail far behind.
TEST(OneEuroFilter, AFastMovementIsFollowedWithLittleLag) {
    OneEuroFilter adaptive({0.6, 0.01, 1.0});
    OneEuroFilter plain({0.6, 0.0, 1.0});
    double lagAdaptive = 0, lagPlain = 0;
    for (int i = 0; i <= 15; ++i) {
        const double value = 100 + 40.0 * i;  // 1200 pixels a second
        lagAdaptive = value - adaptive.filter(value, i / kRate);
        lagPlain = value - plain.filter(value, i / kRate);
    }
    EXPECT_LT(lagAdaptive, 60);
    EXPECT_GT(lagPlain, 3 * lagAdaptive);
}

TEST(OneEuroFilter, ResetStartsAgainFromTheNextValue) {
    OneEuroFilter filter({0.6, 0.01, 1.0});
    filter.filter(100, 0);
    filter.filter(100, 1 / kRate);
    filter.reset();
    EXPECT_FALSE(filter.started());
    EXPECT_DOUBLE_EQ(filter.filter(900, 2 / kRate), 900);
}

TEST(OneEuroFilter, ATimeThatDoesNotAdvanceKeepsTheOutput) {
    OneEuroFilter filter({0.6, 0.01, 1.0});
    filter.filter(100, 1.0);
    const double before = filter.filter(200, 1.1);
    for (double t : {1.1, 1.05, -5.0, std::nan("")}) {
        const double out = filter.filter(5000, t);
        EXPECT_DOUBLE_EQ(out, before) << "at time " << t;
    }
    EXPECT_TRUE(std::isfinite(filter.filter(200, 1.2)));
}

}  // namespace
}  // namespace qvtrack
