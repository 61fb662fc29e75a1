// The length of a sound in a wave file, read from the file's header without playing it: a
// synchronous play waits for the sound's end, and must know how long that can be at most when
// the audio system never says it has ended.
//
// Only a regular file of at most kLargestWaveFile bytes is read, and it is opened without
// blocking: a FIFO, a device or a folder named like a sound is refused at once. Any thread.
#pragma once

#include <QString>
#include <chrono>
#include <cstdint>
#include <optional>

namespace lumora {

// Larger than any sound Lumora ships (the spoken help is about 2 MB) by far; a sound player
// reads the whole file into memory, so a bigger one is not a sound of ours.
inline constexpr std::uint64_t kLargestWaveFile = 64u * 1024u * 1024u;

// The sound's length: the bytes of its "data" chunk (as far as the file holds them) over the
// byte rate of its "fmt " chunk, both found among the chunks that start in the file's first
// 64 KiB. Nothing for a file that is missing, not regular, too large, not "RIFF"/"WAVE", has
// no byte rate or no data chunk there.
std::optional<std::chrono::milliseconds> WaveFileLength(const QString& path);

}  // namespace lumora
