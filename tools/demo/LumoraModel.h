// LumoraModel: what Lumora makes of a stream of gaze samples, as far as the demo recording needs
// to know. The samples go through the real gaze pipeline (fixation detector, smoothing, dwell
// check) exactly as the gaze thread runs it; the messages it posts then drive two small copies
// of the receivers' rules: a gaze button's count of consecutive points (it fires at the 35th
// and starts again after the 75th) and the canvas's dwell stages (a commit on the second or
// third dwell step, with or without the yellow step; a fixation end starts again).
//
// Windows are not modelled: the caller names the one button it looks at, and every dwell step
// inside the canvas's rectangle counts.
#pragma once

#include <QPoint>
#include <QRect>
#include <cstdint>

#include "GazeMessages.h"
#include "GazePipeline.h"
#include "GazeShared.h"

namespace lumora::demo {

struct ModelSettings {
    int width = 0;
    int height = 0;
    int rate = 0;         // samples per second
    float fMinFixMs = 0;  // the gaze settings the run uses
    bool yellow = false;
    float gazeDevMm = 0;
    QRect canvas;  // the canvas on the screen
};

class LumoraModel : private GazeMessageSink {
public:
    static constexpr int kButtonFires = 35;
    static constexpr int kButtonRestarts = 75;

    explicit LumoraModel(const ModelSettings& settings);

    // One sample from the tracker (found: the gaze was found).
    void feed(bool found, int x, int y);

    // The button the gaze is meant for; its count starts from nothing.
    void watchButton(const QRect& button);
    // How often the watched button has fired since it was named.
    int buttonFired() const { return m_fired; }
    // Shapes started or ended and stamps placed, since the start.
    int commits() const { return m_commits; }
    // Gaze points posted so far (for the generator's report).
    long gazePoints() const { return m_points; }

private:
    void post(unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) override;

    ModelSettings m_settings;
    GazeShared m_shared;
    GazePipeline m_pipeline;
    QRect m_button;
    int m_count = 0;
    int m_fired = 0;
    // The canvas: 1 green, 2 yellow, 3 red.
    int m_stage = 1;
    int m_commits = 0;
    long m_points = 0;
};

}  // namespace lumora::demo
