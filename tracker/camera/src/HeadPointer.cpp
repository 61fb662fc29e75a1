#include "HeadPointer.h"

#include <algorithm>
#include <cmath>

namespace qvtrack {

HeadPointer::HeadPointer(const HeadMap& map, HostScreen screen, OneEuroFilter::Tuning smoothing)
    : m_map(map),
      m_width(std::max(1, screen.width)),
      m_height(std::max(1, screen.height)),
      m_x(smoothing),
      m_y(smoothing) {}

GazeSample HeadPointer::point(const FaceObservation& face) {
    if (!face.found) {
        m_x.reset();
        m_y.reset();
        m_last.found = 0;
        return m_last;
    }
    double sx = 0, sy = 0;
    m_map.apply(face.u(), face.v(), sx, sy);
    // Held on the screen before the filter: a head turned beyond the edge must not wind the
    // filter up, or the pointer would linger at the edge when the head turns back.
    const double x = std::clamp(sx * m_width, 0.0, m_width - 1.0);
    const double y = std::clamp(sy * m_height, 0.0, m_height - 1.0);
    m_last.found = 1;
    m_last.x = static_cast<std::int32_t>(std::lround(m_x.filter(x, face.seconds)));
    m_last.y = static_cast<std::int32_t>(std::lround(m_y.filter(y, face.seconds)));
    return m_last;
}

}  // namespace qvtrack
