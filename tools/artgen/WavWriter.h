// Writes 16-bit mono PCM wave files, and makes the short sounds Lumora plays.
#pragma once

#include <QByteArray>
#include <cstdint>
#include <vector>

namespace artgen {

constexpr int kSoundRate = 22050;

QByteArray EncodeWav(const std::vector<std::int16_t>& samples, int sampleRate = kSoundRate);

// A tone of the given pitches one after the other (each for seconds / count), with a soft
// start and a decaying end so that it does not click.
std::vector<std::int16_t> Tones(std::initializer_list<double> hertz, double seconds, double loudness = 0.5);

// A short dry tick: a burst of noise and a high partial dying away within milliseconds.
std::vector<std::int16_t> Tick(double seconds, double hertz, double loudness = 0.6);

}  // namespace artgen
