#include "WavWriter.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace artgen {

namespace {

constexpr int kBitsPerSample = 16;
constexpr int kChannels = 1;
constexpr int kFmtChunkSize = 16;
constexpr int kPcm = 1;
constexpr double kFullScale = 32767.0;
constexpr double kFadeSeconds = 0.004;

void put16(QByteArray& out, int v) {
    out.append(char(v & 0xFF));
    out.append(char((v >> 8) & 0xFF));
}
void put32(QByteArray& out, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) {
        out.append(char((v >> (8 * i)) & 0xFF));
    }
}

std::int16_t toSample(double v) {
    return std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * kFullScale));
}

}  // namespace

QByteArray EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate) {
    const int blockAlign = kChannels * kBitsPerSample / 8;
    const std::uint32_t dataBytes = std::uint32_t(samples.size()) * blockAlign;
    QByteArray out;
    out.append("RIFF", 4);
    put32(out, 4 + 8 + kFmtChunkSize + 8 + dataBytes);
    out.append("WAVE", 4);
    out.append("fmt ", 4);
    put32(out, kFmtChunkSize);
    put16(out, kPcm);
    put16(out, kChannels);
    put32(out, std::uint32_t(sampleRate));
    put32(out, std::uint32_t(sampleRate * blockAlign));
    put16(out, blockAlign);
    put16(out, kBitsPerSample);
    out.append("data", 4);
    put32(out, dataBytes);
    for (std::int16_t s : samples) {
        put16(out, s);
    }
    return out;
}

std::vector<std::int16_t> Tones(std::initializer_list<double> hertz, double seconds, double loudness) {
    const int total = int(seconds * kSoundRate);
    const int each = total / int(std::max<std::size_t>(hertz.size(), 1));
    const int fade = int(kFadeSeconds * kSoundRate);
    std::vector<std::int16_t> out;
    double phase = 0;
    for (double f : hertz) {
        for (int i = 0; i < each; ++i) {
            const double envelope = std::min({1.0, double(i) / fade, double(each - i) / (4.0 * fade)});
            phase += 2 * std::numbers::pi * f / kSoundRate;
            out.push_back(toSample(loudness * envelope * std::sin(phase)));
        }
    }
    return out;
}

std::vector<std::int16_t> Tick(double seconds, double hertz, double loudness) {
    const int total = int(seconds * kSoundRate);
    std::vector<std::int16_t> out;
    std::uint32_t noise = 0x2545F491u;  // fixed seed: the file is the same on every build
    for (int i = 0; i < total; ++i) {
        noise = noise * 1664525u + 1013904223u;
        const double white = double(noise >> 8) / double(1u << 24) * 2 - 1;
        const double t = double(i) / kSoundRate;
        const double decay = std::exp(-t * 180.0);
        const double partial = std::sin(2 * std::numbers::pi * hertz * t);
        out.push_back(toSample(loudness * decay * (0.55 * partial + 0.45 * white)));
    }
    return out;
}

}  // namespace artgen
