#include "LumoraModel.h"

#include "GazeTuning.h"

namespace lumora::demo {

namespace {
constexpr int kGreen = 1;
constexpr int kYellow = 2;
constexpr int kRed = 3;

QPoint PointOf(std::intptr_t lParam) {
    const auto packed = static_cast<std::uint32_t>(lParam);
    return QPoint(static_cast<int>(packed & 0xFFFFu), static_cast<int>(packed >> 16));
}
}  // namespace

LumoraModel::LumoraModel(const ModelSettings& settings)
    : m_settings(settings),
      m_pipeline(*this, m_shared, DeviationThresholdPx(settings.gazeDevMm, settings.width), settings.width,
                 settings.height) {
    m_shared.minimum_fix_samples.store(MinimumFixSamples(settings.rate, settings.fMinFixMs));
    m_pipeline.reset();
}

void LumoraModel::feed(bool found, int x, int y) {
    m_pipeline.onSample(found ? 1 : 0, x, y);
}

void LumoraModel::watchButton(const QRect& button) {
    m_button = button;
    m_count = 0;
    m_fired = 0;
}

void LumoraModel::post(unsigned msg, std::uintptr_t, std::intptr_t lParam) {
    switch (msg) {
        case WM_GAZE_POINT:
            ++m_points;
            if (!m_button.contains(PointOf(lParam))) {
                m_count = 0;
                break;
            }
            if (++m_count == kButtonFires)
                ++m_fired;
            if (m_count == kButtonRestarts)
                m_count = 0;
            break;
        case WM_GAZE_DWELL:
            if (!m_settings.canvas.contains(PointOf(lParam)))
                break;
            if (m_stage == kGreen) {
                m_stage = m_settings.yellow ? kYellow : kRed;
            } else if (m_stage == kYellow) {
                m_stage = kRed;
            } else {
                m_stage = kGreen;
                ++m_commits;
            }
            break;
        case WM_GAZE_FIXATION_END:
            m_stage = kGreen;
            break;
        default:
            break;
    }
}

}  // namespace lumora::demo
