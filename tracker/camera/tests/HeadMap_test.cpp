#include "HeadMap.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qvtrack {
namespace {

// A screen place for a face place, as some user's head would give it: mirrored, bent.
void Truth(double u, double v, double& x, double& y) {
    x = 0.5 - 3.8 * u + 0.6 * u * v + 0.4 * u * u;
    y = 0.48 + 5.1 * v - 0.3 * v * v + 0.2 * u * v;
}

std::vector<MapPoint> Grid(int columns, int rows) {
    std::vector<MapPoint> points;
    for (int i = 0; i < columns; ++i) {
        for (int k = 0; k < rows; ++k) {
            MapPoint p;
            p.u = -0.12 + 0.24 * i / std::max(1, columns - 1);
            p.v = -0.09 + 0.18 * k / std::max(1, rows - 1);
            Truth(p.u, p.v, p.x, p.y);
            points.push_back(p);
        }
    }
    return points;
}

TEST(HeadMap, TheDefaultCentresAndMirrors) {
    const HeadMap map = HeadMap::Default();
    double x = 0, y = 0;
    map.apply(0, 0, x, y);
    EXPECT_DOUBLE_EQ(x, 0.5);
    EXPECT_DOUBLE_EQ(y, 0.5);
    // The face a tenth of the frame to the left in the camera's picture: the user turned to
    // their right, and the pointer goes half a screen to the right.
    map.apply(-0.1, 0, x, y);
    EXPECT_NEAR(x, 1.0, 1e-12);
    map.apply(0, 0.1, x, y);
    EXPECT_NEAR(y, 1.0, 1e-12);
}

TEST(HeadMap, NinePointsGiveAQuadraticThatFollowsTheHeadBetweenThem) {
    std::string error;
    auto map = HeadMap::Fit(Grid(3, 3), error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->model(), HeadMap::Model::Quadratic);
    EXPECT_LT(map->residual(), 1e-9);
    for (double u : {-0.1, -0.03, 0.05, 0.11}) {
        for (double v : {-0.07, 0.0, 0.08}) {
            double x = 0, y = 0, tx = 0, ty = 0;
            map->apply(u, v, x, y);
            Truth(u, v, tx, ty);
            EXPECT_NEAR(x, tx, 1e-9);
            EXPECT_NEAR(y, ty, 1e-9);
        }
    }
}

TEST(HeadMap, FewPointsGiveAnAffineMap) {
    std::vector<MapPoint> points = Grid(3, 3);
    points.resize(HeadMap::kQuadraticFrom - 1);
    std::string error;
    auto map = HeadMap::Fit(points, error);
    ASSERT_TRUE(map) << error;
    EXPECT_EQ(map->model(), HeadMap::Model::Affine);
    for (int i = 3; i < HeadMap::kQuadraticTerms; ++i) {
        EXPECT_EQ(map->xCoefficients()[i], 0);
        EXPECT_EQ(map->yCoefficients()[i], 0);
    }
    EXPECT_GT(map->residual(), 0);
    EXPECT_LT(map->residual(), 0.02);
}

TEST(HeadMap, PointsThatCannotFixAMapAreRefused) {
    struct Case {
        const char* what;
        std::vector<MapPoint> points;
    };
    MapPoint a{0, 0, 0.5, 0.5}, b{0.1, 0, 0.1, 0.5}, c{-0.1, 0, 0.9, 0.5};
    MapPoint nan{std::nan(""), 0, 0.5, 0.5};
    const Case cases[] = {
        {"none", {}},
        {"two", {a, b}},
        {"all in one place", {a, a, a, a, a, a, a, a, a}},
        {"all on one line", {a, b, c, a, b, c, a, b, c}},
        {"not a number", {a, b, c, nan}},
    };
    for (const Case& k : cases) {
        std::string error;
        EXPECT_FALSE(HeadMap::Fit(k.points, error)) << k.what;
        EXPECT_FALSE(error.empty()) << k.what;
    }
}

TEST(HeadMap, CoefficientsThatDoNotMakeAMapAreRefused) {
    const HeadMap::Coefficients goodX{0.5, -5, 0, 0, 0, 0};
    const HeadMap::Coefficients goodY{0.5, 0, 5, 0, 0, 0};
    EXPECT_TRUE(HeadMap::FromCoefficients(HeadMap::Model::Affine, goodX, goodY));
    struct Case {
        const char* what;
        HeadMap::Model model;
        HeadMap::Coefficients x, y;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"not a number", HeadMap::Model::Affine, {std::nan(""), -5, 0, 0, 0, 0}, goodY},
        {"infinite", HeadMap::Model::Quadratic, goodX, {0.5, 0, 5, inf, 0, 0}},
        {"huge", HeadMap::Model::Affine, {0.5, -1e7, 0, 0, 0, 0}, goodY},
        {"the pointer never moves", HeadMap::Model::Affine, {0.5, 0, 0, 0, 0, 0}, {0.5, 0, 0, 0, 0, 0}},
        {"both axes follow one direction", HeadMap::Model::Affine, {0.5, -5, 0, 0, 0, 0}, {0.5, -5, 0, 0, 0, 0}},
        {"an affine map with quadratic terms", HeadMap::Model::Affine, {0.5, -5, 0, 1, 0, 0}, goodY},
    };
    for (const Case& k : cases) {
        EXPECT_FALSE(HeadMap::FromCoefficients(k.model, k.x, k.y)) << k.what;
    }
}

}  // namespace
}  // namespace qvtrack
