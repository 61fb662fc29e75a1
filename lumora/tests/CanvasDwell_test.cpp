#include "canvas/CanvasDwell.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace lumora;

namespace {

// An event the canvas feeds the machine.
enum class Feed { Step, Reset };

struct Expected {
    Feed feed;
    DwellOutcome outcome;  // only for steps
    DwellStage stage;      // afterwards
    ColorRef colour;       // the cursor's colour afterwards
};

struct Sequence {
    const char* name;
    bool yellowStep;
    std::vector<Expected> events;
};

// Each sequence starts from a fresh machine; the rows are the events in order, the number of
// rows before a commit being the dwell steps (detector periods of one fixation) it takes.
const std::vector<Sequence>& sequences() {
    static const std::vector<Sequence> kSequences = {
        {"yellow step: three steps to a commit",
         true,
         {{Feed::Step, DwellOutcome::Advanced, DwellStage::Yellow, CanvasDwell::kYellow},
          {Feed::Step, DwellOutcome::TurnedRed, DwellStage::Red, CanvasDwell::kRed},
          {Feed::Step, DwellOutcome::Committed, DwellStage::Following, CanvasDwell::kGreen},
          // The next dwell starts over from the beginning.
          {Feed::Step, DwellOutcome::Advanced, DwellStage::Yellow, CanvasDwell::kYellow}}},
        {"no yellow step: the first step goes straight to red",
         false,
         {{Feed::Step, DwellOutcome::Advanced, DwellStage::Red, CanvasDwell::kRed},
          {Feed::Step, DwellOutcome::Committed, DwellStage::Following, CanvasDwell::kGreen},
          {Feed::Step, DwellOutcome::Advanced, DwellStage::Red, CanvasDwell::kRed}}},
        {"the gaze moves away at yellow: the fixation ends and nothing commits",
         true,
         {{Feed::Step, DwellOutcome::Advanced, DwellStage::Yellow, CanvasDwell::kYellow},
          {Feed::Reset, {}, DwellStage::Following, CanvasDwell::kGreen},
          {Feed::Step, DwellOutcome::Advanced, DwellStage::Yellow, CanvasDwell::kYellow},
          {Feed::Step, DwellOutcome::TurnedRed, DwellStage::Red, CanvasDwell::kRed},
          {Feed::Step, DwellOutcome::Committed, DwellStage::Following, CanvasDwell::kGreen}}},
        {"the gaze moves away at red",
         true,
         {{Feed::Step, DwellOutcome::Advanced, DwellStage::Yellow, CanvasDwell::kYellow},
          {Feed::Step, DwellOutcome::TurnedRed, DwellStage::Red, CanvasDwell::kRed},
          {Feed::Reset, {}, DwellStage::Following, CanvasDwell::kGreen},
          {Feed::Step, DwellOutcome::Advanced, DwellStage::Yellow, CanvasDwell::kYellow}}},
        {"a reset while following changes nothing",
         false,
         {{Feed::Reset, {}, DwellStage::Following, CanvasDwell::kGreen},
          {Feed::Reset, {}, DwellStage::Following, CanvasDwell::kGreen},
          {Feed::Step, DwellOutcome::Advanced, DwellStage::Red, CanvasDwell::kRed},
          {Feed::Reset, {}, DwellStage::Following, CanvasDwell::kGreen}}},
    };
    return kSequences;
}

}  // namespace

TEST(CanvasDwell, StartsFollowingAndGreenWithoutTheYellowStep) {
    const CanvasDwell dwell;
    EXPECT_EQ(dwell.stage(), DwellStage::Following);
    EXPECT_TRUE(dwell.following());
    EXPECT_EQ(dwell.cursorColor(), CanvasDwell::kGreen);
    EXPECT_FALSE(dwell.yellowStep());
    EXPECT_EQ(dwell.stepsToCommit(), 2);
}

TEST(CanvasDwell, SequencesOfStepsAndResets) {
    for (const Sequence& sequence : sequences()) {
        CanvasDwell dwell;
        dwell.setYellowStep(sequence.yellowStep);
        int row = 0;
        for (const Expected& e : sequence.events) {
            ++row;
            if (e.feed == Feed::Step) {
                EXPECT_EQ(dwell.step(), e.outcome) << sequence.name << ", row " << row;
            } else {
                dwell.reset();
            }
            EXPECT_EQ(dwell.stage(), e.stage) << sequence.name << ", row " << row;
            EXPECT_EQ(dwell.following(), e.stage == DwellStage::Following) << sequence.name << ", row " << row;
            EXPECT_EQ(dwell.cursorColor(), e.colour) << sequence.name << ", row " << row;
        }
    }
}

TEST(CanvasDwell, StepsToCommitMatchTheSteps) {
    for (const bool yellow : {false, true}) {
        CanvasDwell dwell;
        dwell.setYellowStep(yellow);
        EXPECT_EQ(dwell.stepsToCommit(), yellow ? 3 : 2);
        int steps = 1;
        while (dwell.step() != DwellOutcome::Committed) {
            ++steps;
            ASSERT_LE(steps, 3);
        }
        EXPECT_EQ(steps, dwell.stepsToCommit()) << "yellow step " << yellow;
    }
}

TEST(CanvasDwell, TheYellowStepSwitchedMidDwellTakesEffectWithTheNextDwell) {
    CanvasDwell dwell;
    dwell.setYellowStep(true);
    EXPECT_EQ(dwell.step(), DwellOutcome::Advanced);
    dwell.setYellowStep(false);
    // Already yellow: this dwell still turns red before it commits.
    EXPECT_EQ(dwell.step(), DwellOutcome::TurnedRed);
    EXPECT_EQ(dwell.step(), DwellOutcome::Committed);
    EXPECT_EQ(dwell.step(), DwellOutcome::Advanced);
    EXPECT_EQ(dwell.stage(), DwellStage::Red);

    // Switched on while red: the dwell under way commits with its next step.
    dwell.setYellowStep(true);
    EXPECT_EQ(dwell.step(), DwellOutcome::Committed);
    EXPECT_EQ(dwell.step(), DwellOutcome::Advanced);
    EXPECT_EQ(dwell.stage(), DwellStage::Yellow);
}

TEST(CanvasDwell, EachOutcomeHasItsSound) {
    EXPECT_EQ(std::string(CanvasDwell::SoundFor(DwellOutcome::Advanced)), "Lumora/Sounds/y.wav");
    EXPECT_EQ(std::string(CanvasDwell::SoundFor(DwellOutcome::TurnedRed)), "Lumora/Sounds/r.wav");
    EXPECT_EQ(std::string(CanvasDwell::SoundFor(DwellOutcome::Committed)), "Lumora/Sounds/g.wav");
}

TEST(CanvasDwell, CursorColoursAreThePalettes) {
    EXPECT_EQ(CanvasDwell::kGreen, 0x479850u);
    EXPECT_EQ(CanvasDwell::kYellow, 0x6CFFFFu);
    EXPECT_EQ(CanvasDwell::kRed, 0x3737C8u);
}
