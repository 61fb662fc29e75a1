#include "GazePipeline.h"

#include <charconv>
#include <limits>

namespace lumora {

namespace {
constexpr int kValidSample = 1;
constexpr std::uintptr_t kNotFixating = 0;
constexpr std::uintptr_t kFixating = 1;

// Toward zero, like a C cast, but defined for values a float cannot bring back into int.
int TruncateToInt(float v) {
    constexpr float kIntLimit = 2147483648.0f;
    if (!(v > -kIntLimit))
        return std::numeric_limits<int>::min();
    if (v >= kIntLimit)
        return std::numeric_limits<int>::max();
    return static_cast<int>(v);
}
// "[x,y]" into the buffer, without allocating.
std::string_view FormatSampleLine(SampleLineBuffer& buf, int x, int y) {
    char* const end = buf.data() + buf.size();
    char* p = buf.data();
    *p++ = '[';
    p = std::to_chars(p, end, x).ptr;
    if (p == end)
        return {};
    *p++ = ',';
    p = std::to_chars(p, end, y).ptr;
    if (p == end)
        return {};
    *p++ = ']';
    return std::string_view(buf.data(), static_cast<std::size_t>(p - buf.data()));
}

}  // namespace

GazePipeline::GazePipeline(GazeMessageSink& sink, GazeShared& shared, float thresholdPx, int screenWidth,
                           int screenHeight)
    : m_sink(sink),
      m_shared(shared),
      m_thresholdPx(thresholdPx),
      m_screenWidth(screenWidth),
      m_screenHeight(screenHeight) {}

void GazePipeline::reset() {
    m_detector.ResetFixationDetector(m_shared.minimum_fix_samples.load(std::memory_order_relaxed));
    m_smoother = GazeSmoother{};
    m_dwell = DwellCheck{};
}

void GazePipeline::onSample(int found, int x, int y) {
    if (found != kValidSample)
        return;

    m_shared.dataFile.writeLine(FormatSampleLine(m_line, x, y));

    const int minimum = m_shared.minimum_fix_samples.load(std::memory_order_relaxed);
    FixationDetector::Entry delayed;
    const int state = m_detector.FeedFixationDetector(true, static_cast<float>(x), static_cast<float>(y), m_thresholdPx,
                                                      minimum, delayed);
    const int dx = TruncateToInt(delayed.x);
    const int dy = TruncateToInt(delayed.y);

    if (state == FixationDetector::Fixating) {
        const GazePoint s = m_smoother.SmoothGazePoint(kValidSample, dx, dy, GazeSmoother::kFixatingWindow);
        m_sink.post(WM_GAZE_POINT, kFixating, point(s.x, s.y));
        if (m_dwell.onFixating(delayed.x, delayed.y, minimum, m_thresholdPx))
            m_sink.post(WM_GAZE_DWELL, kFixating, point(dx, dy));
    } else if (state == FixationDetector::FixationCompleted) {
        m_dwell.reset();
        m_sink.post(WM_GAZE_FIXATION_END, kFixating, point(dx, dy));
    } else {
        m_dwell.reset();
        const GazePoint s = m_smoother.SmoothGazePoint(kValidSample, dx, dy, GazeSmoother::kMovingWindow);
        m_sink.post(WM_GAZE_POINT, kNotFixating, point(s.x, s.y));
    }
}

}  // namespace lumora
