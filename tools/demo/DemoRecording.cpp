#include "DemoRecording.h"

#include "GazeDataFile.h"
#include "LumoraModel.h"

namespace lumora::demo {

ModelSettings DemoModelSettings(bool yellow) {
    ModelSettings settings;
    settings.width = kScreenWidth;
    settings.height = kScreenHeight;
    settings.rate = kSampleRate;
    settings.fMinFixMs = kMinFixMs;
    settings.yellow = yellow;
    settings.gazeDevMm = kGazeDevMm;
    settings.canvas = CanvasOnScreen(QSize(kScreenWidth, kScreenHeight));
    return settings;
}

DemoRecording RecordHouseSession(unsigned long long seed) {
    LumoraModel model(DemoModelSettings());
    DemoRandom random(seed);

    DemoRecording recording;
    GazeUser user(model, random, recording.samples);
    for (const Action& action : HouseSession(QSize(kScreenWidth, kScreenHeight))) {
        user.perform(action);
        recording.steps.push_back({action.what, recording.samples.size(), model.commits()});
    }
    recording.commits = model.commits();
    return recording;
}

std::string RecordingText(const DemoRecording& recording) {
    std::string text;
    const auto line = [&text](const std::string& s) {
        text += s;
        text += '\n';
    };
    // The header lines of a gaze data file.
    const auto labelled = [](std::string_view label, const std::string& value) { return std::string(label) + value; };
    line(std::string(kDataVersionLine));
    line(labelled(kDataScreenWidthLabel, std::to_string(kScreenWidth)));
    line(labelled(kDataScreenHeightLabel, std::to_string(kScreenHeight)));
    line(labelled(kDataSampleRateLabel, std::to_string(kSampleRate)));
    line(labelled(kDataMinFixLabel, FormatDataNumber(kMinFixMs)));
    line(labelled(kDataYellowLabel, kYellowStep ? "1" : "0"));
    line(labelled(kDataGazeDevLabel, FormatDataNumber(kGazeDevMm)));
    for (const Sample& s : recording.samples)
        line(s.found ? "[" + std::to_string(s.x) + "," + std::to_string(s.y) + "]" : "[-]");
    return text;
}

}  // namespace lumora::demo
