#include "HeadMap.h"

#include <cmath>

namespace qvtrack {

namespace {

// A head pointer's useful gains are around 5 (a tenth of the frame to half the screen); a map
// that barely moves the pointer whatever the head does is no map.
constexpr double kSmallestDeterminant = 1e-3;
// Calibration points closer together than this share of the frame, in some direction, cannot
// tell where the head points.
constexpr double kSmallestSpread = 0.01;
// The quadratic's normal equations are given up for the affine map when their smallest pivot
// falls this far below their largest: the points then fix the bend only by their noise.
constexpr double kSmallestPivotRatio = 1e-9;
constexpr std::size_t kFewestPoints = 3;

template <std::size_t N>
using Square = std::array<std::array<double, N>, N>;

std::array<double, HeadMap::kQuadraticTerms> Terms(double u, double v) {
    return {1.0, u, v, u * u, u * v, v * v};
}

// Solves a * c = b in place by elimination with partial pivoting; false when a pivot is too
// small against the largest one.
template <std::size_t N>
bool Solve(Square<N> a, std::array<double, N> b, std::array<double, N>& c) {
    double largest = 0;
    for (std::size_t i = 0; i < N; ++i) {
        largest = std::max(largest, std::fabs(a[i][i]));
    }
    if (!(largest > 0)) {
        return false;
    }
    for (std::size_t col = 0; col < N; ++col) {
        std::size_t pivot = col;
        for (std::size_t row = col + 1; row < N; ++row) {
            if (std::fabs(a[row][col]) > std::fabs(a[pivot][col])) {
                pivot = row;
            }
        }
        if (!(std::fabs(a[pivot][col]) > largest * kSmallestPivotRatio)) {
            return false;
        }
        std::swap(a[pivot], a[col]);
        std::swap(b[pivot], b[col]);
        for (std::size_t row = col + 1; row < N; ++row) {
            const double f = a[row][col] / a[col][col];
            for (std::size_t k = col; k < N; ++k) {
                a[row][k] -= f * a[col][k];
            }
            b[row] -= f * b[col];
        }
    }
    for (std::size_t i = N; i-- > 0;) {
        double sum = b[i];
        for (std::size_t k = i + 1; k < N; ++k) {
            sum -= a[i][k] * c[k];
        }
        c[i] = sum / a[i][i];
    }
    return true;
}

// Least squares for both screen coordinates with the first N terms.
template <std::size_t N>
bool FitTerms(const std::vector<MapPoint>& points, HeadMap::Coefficients& x, HeadMap::Coefficients& y) {
    Square<N> a{};
    std::array<double, N> bx{}, by{};
    for (const MapPoint& p : points) {
        const auto t = Terms(p.u, p.v);
        for (std::size_t i = 0; i < N; ++i) {
            for (std::size_t k = 0; k < N; ++k) {
                a[i][k] += t[i] * t[k];
            }
            bx[i] += t[i] * p.x;
            by[i] += t[i] * p.y;
        }
    }
    std::array<double, N> cx{}, cy{};
    if (!Solve<N>(a, bx, cx) || !Solve<N>(a, by, cy)) {
        return false;
    }
    x.fill(0);
    y.fill(0);
    std::copy(cx.begin(), cx.end(), x.begin());
    std::copy(cy.begin(), cy.end(), y.begin());
    return true;
}

// The smaller standard deviation of the points along their two principal directions.
double NarrowestSpread(const std::vector<MapPoint>& points) {
    double mu = 0, mv = 0;
    for (const MapPoint& p : points) {
        mu += p.u;
        mv += p.v;
    }
    const double n = static_cast<double>(points.size());
    mu /= n;
    mv /= n;
    double suu = 0, suv = 0, svv = 0;
    for (const MapPoint& p : points) {
        suu += (p.u - mu) * (p.u - mu);
        suv += (p.u - mu) * (p.v - mv);
        svv += (p.v - mv) * (p.v - mv);
    }
    suu /= n;
    suv /= n;
    svv /= n;
    const double mean = (suu + svv) / 2;
    const double half = std::sqrt(std::max(0.0, (suu - svv) * (suu - svv) / 4 + suv * suv));
    return std::sqrt(std::max(0.0, mean - half));
}

}  // namespace

HeadMap HeadMap::Default() {
    return HeadMap(Model::Affine, {0.5, -kDefaultGain, 0, 0, 0, 0}, {0.5, 0, kDefaultGain, 0, 0, 0});
}

std::optional<HeadMap> HeadMap::FromCoefficients(Model model, const Coefficients& x, const Coefficients& y) {
    for (std::size_t i = 0; i < x.size(); ++i) {
        const bool unused = model == Model::Affine && i >= kAffineTerms;
        for (double c : {x[i], y[i]}) {
            if (!std::isfinite(c) || std::fabs(c) > kLargestCoefficient || (unused && c != 0)) {
                return std::nullopt;
            }
        }
    }
    const double determinant = x[1] * y[2] - x[2] * y[1];
    if (!(std::fabs(determinant) >= kSmallestDeterminant)) {
        return std::nullopt;
    }
    return HeadMap(model, x, y);
}

std::optional<HeadMap> HeadMap::Fit(const std::vector<MapPoint>& points, std::string& error) {
    if (points.size() < kFewestPoints) {
        error = "too few calibration points (" + std::to_string(points.size()) + ", at least 3 are needed)";
        return std::nullopt;
    }
    for (const MapPoint& p : points) {
        if (!std::isfinite(p.u) || !std::isfinite(p.v) || !std::isfinite(p.x) || !std::isfinite(p.y)) {
            error = "a calibration point is not a number";
            return std::nullopt;
        }
    }
    if (!(NarrowestSpread(points) >= kSmallestSpread)) {
        error = "the head hardly moved between the targets, or only along one line";
        return std::nullopt;
    }
    Coefficients x{}, y{};
    Model model = Model::Quadratic;
    if (points.size() < kQuadraticFrom || !FitTerms<kQuadraticTerms>(points, x, y)) {
        model = Model::Affine;
        if (!FitTerms<kAffineTerms>(points, x, y)) {
            error = "the calibration points do not fix a map";
            return std::nullopt;
        }
    }
    auto map = FromCoefficients(model, x, y);
    if (!map) {
        error = "the fitted map does not follow the head";
        return std::nullopt;
    }
    double sum = 0;
    for (const MapPoint& p : points) {
        double mx = 0, my = 0;
        map->apply(p.u, p.v, mx, my);
        sum += (mx - p.x) * (mx - p.x) + (my - p.y) * (my - p.y);
    }
    map->setResidual(std::sqrt(sum / static_cast<double>(points.size())));
    return map;
}

void HeadMap::apply(double u, double v, double& x, double& y) const {
    const auto t = Terms(u, v);
    x = 0;
    y = 0;
    for (std::size_t i = 0; i < t.size(); ++i) {
        x += m_x[i] * t[i];
        y += m_y[i] * t[i];
    }
}

}  // namespace qvtrack
