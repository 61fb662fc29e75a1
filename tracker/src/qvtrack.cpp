// The C exports: thin forwards into Tracker. Nothing may throw across this boundary, so each
// export catches everything and reports -1.
#include "qvtrack.h"

#include <cstdlib>
#include <iostream>
#include <mutex>

#include "PointerFeed.h"
#include "Tracker.h"

namespace {

constexpr int kOk = 0;
constexpr int kFailed = -1;

struct Library {
    std::mutex mutex;  // the program calls from one thread; this only guards against misuse
    qvtrack::SteadyClock clock;
    qvtrack::TrackStats stats;
    std::unique_ptr<qvtrack::Tracker> tracker;
    // Static storage: the program's sample pointer stays valid even if it reads after QvExit.
    GazeSample sample{};
};

Library& lib() {
    static Library instance;
    return instance;
}

template <typename F>
int Guarded(F&& body) {
    try {
        return body();
    } catch (...) {
        return kFailed;
    }
}

}  // namespace

extern "C" {

int QvInit(TrackerControl* control) {
    return Guarded([&] {
        if (!control) {
            return kFailed;
        }
        Library& l = lib();
        std::lock_guard lock(l.mutex);
        l.tracker.reset();  // a second QvInit ends the first source before starting the next
        l.tracker = qvtrack::Tracker::start([](const char* name) { return std::getenv(name); },
                                            {control->screenWidth, control->screenHeight}, l.clock, l.stats, std::cerr);
        l.sample = GazeSample{};
        control->sample = &l.sample;
        control->iSamplePerSec = l.tracker->samplesPerSecond();
        return kOk;
    });
}

int QvEyeImageInit(EyeImageInfo* info, int /*mode*/) {
    return Guarded([&] {
        if (!info) {
            return kFailed;
        }
        *info = EyeImageInfo{};
        return kOk;
    });
}

int QvGetData(TrackerControl* control) {
    return Guarded([&] {
        Library& l = lib();
        std::lock_guard lock(l.mutex);
        if (!control || !l.tracker) {
            return kFailed;
        }
        GazeSample s = l.sample;
        l.tracker->next(s);
        l.sample = s;
        control->sample = &l.sample;
        return kOk;
    });
}

int QvEyeImageDisplay(int, int, int, int, int, void*) {
    return kOk;
}

int QvExit(TrackerControl* /*control*/) {
    return Guarded([&] {
        Library& l = lib();
        std::lock_guard lock(l.mutex);
        l.tracker.reset();
        l.stats.connected = 0;
        return kOk;
    });
}

void QvFeedPointer(int x, int y) {
    qvtrack::PointerFeed::instance().feed(x, y);
}

int QvGetStats(QvTrackStats* stats) {
    return Guarded([&] {
        if (!stats) {
            return kFailed;
        }
        *stats = lib().stats.snapshot();
        return kOk;
    });
}

}  // extern "C"
