// Where on the screen a head points: a map from the face's place in the camera frame to a place
// on the screen, fitted from calibration points.
//
// Both sides are in shares, so a map outlives a change of camera resolution or of screen size:
// the face's place is (u, v), -0.5 at the frame's left/top edge to 0.5 at its right/bottom
// edge, as the camera delivers the frame (not mirrored); the screen place is (x, y), 0 at the
// screen's left/top edge to 1 at its right/bottom edge. Each screen coordinate is a polynomial
// in u and v with the terms 1, u, v (affine) or 1, u, v, u², uv, v² (quadratic).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace qvtrack {

struct MapPoint {
    double u = 0, v = 0;  // the face's place in the frame
    double x = 0, y = 0;  // the screen place it should give
};

class HeadMap {
public:
    enum class Model { Affine, Quadratic };
    static constexpr int kAffineTerms = 3;
    static constexpr int kQuadraticTerms = 6;
    // Fewer good calibration points than this give an affine map: a quadratic from too few
    // points bends wildly between and beyond them.
    static constexpr std::size_t kQuadraticFrom = 8;
    // Without a calibration: the frame's centre points at the screen's centre, and the face
    // moving a tenth of the frame's width (height) moves the pointer half the screen's width
    // (height). Mirror-image correct: a head turning to the user's right moves the face to
    // the left in the camera's frame and the pointer to the right.
    static constexpr double kDefaultGain = 5.0;

    using Coefficients = std::array<double, kQuadraticTerms>;  // affine: the last three are 0

    static HeadMap Default();
    // A map from its coefficients; null when they are not finite or not within
    // kLargestCoefficient, or when the map does not turn a small movement of the head near the
    // frame's centre into a movement on the screen in both directions.
    static std::optional<HeadMap> FromCoefficients(Model model, const Coefficients& x, const Coefficients& y);
    // Least squares through the points: quadratic from kQuadraticFrom points on, affine from 3.
    // Null with `error` set when the points are too few or do not span the frame in both
    // directions (all in a line, or all in one place).
    static std::optional<HeadMap> Fit(const std::vector<MapPoint>& points, std::string& error);

    static constexpr double kLargestCoefficient = 1e4;

    // The screen place for the face's place; not clamped to the screen.
    void apply(double u, double v, double& x, double& y) const;
    Model model() const { return m_model; }
    const Coefficients& xCoefficients() const { return m_x; }
    const Coefficients& yCoefficients() const { return m_y; }
    // Root mean square distance, in screen shares, between the fitted points' screen places
    // and where the map puts them; 0 for a map that was not fitted.
    double residual() const { return m_residual; }
    void setResidual(double residual) { m_residual = residual; }

private:
    HeadMap(Model model, const Coefficients& x, const Coefficients& y) : m_model(model), m_x(x), m_y(y) {}

    Model m_model;
    Coefficients m_x;
    Coefficients m_y;
    double m_residual = 0;
};

}  // namespace qvtrack
