// CanvasDwell: the canvas's dwell sequence. Each dwell step the gaze thread reports while the
// gaze rests on the canvas moves it on: following (green, the cursor follows the gaze) ->
// yellow (only with the yellow step) -> red -> committed, back to following. A fixation end,
// a cancelled shape or an undo puts it back to following.
//
// The machine knows nothing of windows or tools: the canvas feeds it the dwell messages and
// asks it what to show (the cursor colour) and what to play (the step's sound). It counts
// dwell steps, not time; how long a step lasts is the fixation detector's business.
// User-interface thread only, like the canvas.
#pragma once

#include "app/MessageRegistry.h"

namespace lumora {

// Where a dwell stands.
enum class DwellStage {
    Following,  // no dwell under way: the cursor is green and follows the gaze
    Yellow,     // one step done with the yellow step enabled; the cursor stays put
    Red,        // the next step commits; the cursor stays put
};

// What a dwell step did.
enum class DwellOutcome {
    Advanced,   // following -> yellow, or -> red without the yellow step
    TurnedRed,  // yellow -> red
    Committed,  // red -> following: the canvas commits a start, an end or a stamp now
};

class CanvasDwell {
public:
    // The cursor colours of the sequence: the palette's green, yellow and red (0x00BBGGRR).
    static constexpr ColorRef kGreen = MakeColorRef(80, 152, 71);     // 0x479850
    static constexpr ColorRef kYellow = MakeColorRef(255, 255, 108);  // 0x6CFFFF
    static constexpr ColorRef kRed = MakeColorRef(200, 55, 55);       // 0x3737C8

    // The sounds of the steps, relative to the working folder.
    static constexpr const char* kSoundFirstStep = "Lumora/Sounds/y.wav";
    static constexpr const char* kSoundTurnRed = "Lumora/Sounds/r.wav";
    static constexpr const char* kSoundCommit = "Lumora/Sounds/g.wav";

    // One dwell step on the canvas.
    DwellOutcome step();
    // Back to following, whatever the stage (fixation end, cancelled shape, undo).
    void reset() { m_stage = DwellStage::Following; }

    // With the yellow step a commit takes three dwell steps, without it two. A change takes
    // effect with the next dwell that starts; a dwell at yellow still turns red.
    void setYellowStep(bool enabled) { m_yellowStep = enabled; }
    bool yellowStep() const { return m_yellowStep; }
    // Dwell steps from following to the commit.
    int stepsToCommit() const { return m_yellowStep ? 3 : 2; }

    DwellStage stage() const { return m_stage; }
    // Whether the cursor follows the gaze (no dwell under way).
    bool following() const { return m_stage == DwellStage::Following; }
    // The cursor colour that shows the stage.
    ColorRef cursorColor() const;

    // The sound that announces a step's outcome (a path relative to the working folder).
    static const char* SoundFor(DwellOutcome outcome);

private:
    DwellStage m_stage = DwellStage::Following;
    bool m_yellowStep = false;
};

}  // namespace lumora
