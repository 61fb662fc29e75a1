// The demo recording and the pieces that make it: the model of what Lumora makes of gaze, the
// simulated person, and the committed recording, which must be what the generator makes now.
#include "DemoRecording.h"

#include <gtest/gtest.h>

#include <QFile>
#include <vector>

#include "GazeUser.h"
#include "HouseSession.h"
#include "LumoraModel.h"

using namespace lumora::demo;

namespace {

void Hold(LumoraModel& model, const QPoint& p, int samples) {
    for (int i = 0; i < samples; ++i)
        model.feed(true, p.x(), p.y());
}

}  // namespace

TEST(DemoRecording, TheCommittedRecordingIsWhatTheGeneratorMakesNow) {
    QFile committed(QStringLiteral(LUMORA_DEMO_RECORDING));
    ASSERT_TRUE(committed.open(QIODevice::ReadOnly));
    const std::string expected = RecordingText(RecordHouseSession());
    EXPECT_TRUE(committed.readAll().toStdString() == expected)
        << "data/demo/house.dat is out of date with the layout or the session: run `ninja demo_recording`";
}

TEST(DemoRecording, EveryShapeAndTheStampAreCommittedOnce) {
    const DemoRecording recording = RecordHouseSession();
    // Rectangle 2, roof 4, sun 2, stamp 1.
    EXPECT_EQ(recording.commits, 9);
    EXPECT_EQ(recording.steps.size(), HouseSession(QSize(kScreenWidth, kScreenHeight)).size());
}

TEST(DemoRecording, AnotherPersonDoesTheSameSession) {
    // Other jitter, offsets and blinks: the plan does not hang on one lucky draw.
    for (unsigned long long seed : {1ull, 2ull, 3ull})
        EXPECT_EQ(RecordHouseSession(seed).commits, 9) << "seed " << seed;
}

TEST(LumoraModel, AButtonFiresAtThe35thPointOnItAndAgainAfterThe75th) {
    LumoraModel model(DemoModelSettings(true));
    const QRect button(100, 100, 90, 76);
    model.watchButton(button);
    // Points on the button arrive once the detector's delay has passed.
    int firstFire = -1;
    int secondFire = -1;
    for (int i = 0; i < 400 && secondFire < 0; ++i) {
        model.feed(true, button.center().x(), button.center().y());
        if (model.buttonFired() == 1 && firstFire < 0)
            firstFire = i;
        if (model.buttonFired() == 2)
            secondFire = i;
    }
    ASSERT_GE(firstFire, 0);
    EXPECT_EQ(secondFire - firstFire, 75);
}

TEST(LumoraModel, AGlanceElsewhereStartsTheButtonsCountAgain) {
    LumoraModel model(DemoModelSettings(true));
    const QRect button(100, 100, 90, 76);
    model.watchButton(button);
    // Twice 30 samples on the button with a glance at another place between: never 35 points in
    // a row. A single stray sample would not do: the detector folds it back into the fixation.
    Hold(model, button.center(), 30);
    Hold(model, QPoint(500, 138), 40);
    Hold(model, button.center(), 30);
    EXPECT_EQ(model.buttonFired(), 0);
    // Held on, it fires once the delayed points have caught up.
    Hold(model, button.center(), 80);
    EXPECT_EQ(model.buttonFired(), 1);
}

TEST(LumoraModel, ACommitTakesThreeDwellStepsWithTheYellowStepAndTwoWithout) {
    for (bool yellow : {true, false}) {
        LumoraModel model(DemoModelSettings(yellow));
        const QPoint onCanvas = DemoModelSettings(yellow).canvas.center();
        int samples = 0;
        while (model.commits() == 0 && samples < 1000) {
            Hold(model, onCanvas, 1);
            ++samples;
        }
        // The detector's delay, the first dwell check (against the start), then one step per
        // 31 fixating samples.
        const int steps = yellow ? 3 : 2;
        EXPECT_EQ(samples, 31 + 31 + 31 * steps) << (yellow ? "with" : "without") << " the yellow step";
    }
}

TEST(LumoraModel, DwellStepsOffTheCanvasCommitNothing) {
    LumoraModel model(DemoModelSettings(true));
    Hold(model, QPoint(967, 90), 600);
    EXPECT_EQ(model.commits(), 0);
}

TEST(GazeUser, ABlindSpotStallsTheSessionInsteadOfLooping) {
    LumoraModel model(DemoModelSettings(true));
    DemoRandom random(7);
    std::vector<Sample> recording;
    GazeUser user(model, random, recording);
    Action unreachable{Action::Choose, QStringLiteral("a button off the screen"), QRect(-500, -500, 10, 10), {}};
    EXPECT_THROW(user.perform(unreachable), SessionStalled);
}
