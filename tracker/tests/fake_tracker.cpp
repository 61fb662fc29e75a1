// qvtrack_fake_tracker: a tracker on 127.0.0.1 that sends steady gaze at a fixed rate, for tests
// of programs that start the tracker library themselves (Lumora headless).
//
//   qvtrack_fake_tracker udp PORT RATE SECONDS X Y      datagrams "X Y" to 127.0.0.1:PORT
//   qvtrack_fake_tracker pupil RATE SECONDS X Y W H     a Pupil Capture whose Pupil Remote port
//                                                       is printed first, on a line of its own;
//                                                       the point is given on a W x H screen
// It ends after SECONDS (at most 60) or when killed.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#include "FakeServers.h"
#ifdef QVTRACK_HAVE_PUPIL
#include "FakePupil.h"
#endif

namespace {

int Number(const char* text, int lo, int hi) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < lo || v > hi) {
        std::fprintf(stderr, "qvtrack_fake_tracker: bad number '%s'\n", text);
        std::exit(2);
    }
    return static_cast<int>(v);
}

}  // namespace

int main(int argc, char** argv) {
    const bool udp = argc == 7 && std::strcmp(argv[1], "udp") == 0;
    const bool pupil = argc == 8 && std::strcmp(argv[1], "pupil") == 0;
    if (!udp && !pupil) {
        std::fprintf(stderr, "usage: qvtrack_fake_tracker udp PORT RATE SECONDS X Y | pupil RATE SECONDS X Y W H\n");
        return 2;
    }
    const int first = udp ? 3 : 2;
    const int port = udp ? Number(argv[2], 1, 65535) : 0;
    const int rate = Number(argv[first], 1, 100000);
    const int seconds = Number(argv[first + 1], 1, 60);
    const int x = Number(argv[first + 2], -100000, 100000);
    const int y = Number(argv[first + 3], -100000, 100000);
#ifdef QVTRACK_HAVE_PUPIL
    std::unique_ptr<qvtrack::testing::FakePupil> fake;
    std::string message;
    if (pupil) {
        const int w = Number(argv[6], 1, 100000);
        const int h = Number(argv[7], 1, 100000);
        fake = std::make_unique<qvtrack::testing::FakePupil>();
        message = qvtrack::testing::SurfaceMessage({{double(x) / w, 1.0 - double(y) / h, 0.95, true}});
        std::printf("%d\n", fake->remotePort());
        std::fflush(stdout);
    }
#else
    if (pupil) {
        std::fprintf(stderr, "qvtrack_fake_tracker: built without the pupil source\n");
        return 3;
    }
#endif
    const std::string datagram = std::to_string(x) + " " + std::to_string(y);
    const auto period = std::chrono::nanoseconds(1'000'000'000LL / rate);
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    for (auto due = std::chrono::steady_clock::now(); due < end; due += period) {
        if (udp) {
            qvtrack::testing::SendUdp(port, datagram);
        } else {
#ifdef QVTRACK_HAVE_PUPIL
            fake->publish("surfaces.screen", message);
#endif
        }
        std::this_thread::sleep_until(due + period);
    }
    return 0;
}
