// lumora_demogen: writes the demo gaze recording, the house session (see HouseSession.h), in
// the gaze data file format, and reports where each action ends.
//
//   lumora_demogen OUTPUT [--quiet]
//
// Run it again (ninja demo_recording) whenever Lumora's layout changes; the recording test
// says when that is due.
#include <QString>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "DemoRecording.h"

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3 || (argc == 3 && std::strcmp(argv[2], "--quiet") != 0)) {
        std::fprintf(stderr, "usage: lumora_demogen OUTPUT [--quiet]\n");
        return 2;
    }
    using namespace lumora::demo;
    DemoRecording recording;
    try {
        recording = RecordHouseSession();
    } catch (const SessionStalled& e) {
        std::fprintf(stderr, "lumora_demogen: the session cannot be done: %s\n", e.what());
        return 1;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out << RecordingText(recording);
    out.close();
    if (!out) {
        std::fprintf(stderr, "lumora_demogen: cannot write %s\n", argv[1]);
        return 1;
    }
    if (argc == 2) {
        for (const DemoRecording::Step& step : recording.steps)
            std::printf("%7.2f s  %2d  %s\n", static_cast<double>(step.end) / kSampleRate, step.commits,
                        qPrintable(step.what));
        std::printf("%zu samples, %d shapes and stamps committed: %s\n", recording.samples.size(), recording.commits,
                    argv[1]);
    }
    return 0;
}
