// Sound playback from wave files by path. The program installs a Qt Multimedia player at start;
// tests install a scripted player (testsupport/) and read back what was asked for. Playing never reports
// failure: a sound that cannot play (a missing or unreadable file, anything but a regular wave
// file, no audio device) plays nothing and returns at once, synchronous or not.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace lumora {

// The click every gaze button and palette arrow plays, relative to the working directory.
inline constexpr const char* kClickSound = "Lumora/Sounds/CLICK.WAV";

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Starts the file and returns at once; a new sound replaces the one playing.
    virtual void playAsync(const QString& path) = 0;
    // Plays the file to its end before returning (the user-interface thread keeps handling
    // events meanwhile, so gaze points still arrive); waits no longer than the sound is long.
    virtual void playSync(const QString& path) = 0;
    // Stops whatever is playing.
    virtual void stop() = 0;
};

// Plays through Qt Multimedia. Must live on the user-interface thread. Without an audio device
// it says so once, as a warning, and plays nothing; a device that comes later is used.
std::unique_ptr<SoundPlayer> MakeQtSoundPlayer();
inline constexpr const char* kNoAudioDeviceWarning = "No audio device detected: Lumora plays no sounds";

// The program-wide player. Until one is installed, sounds are silently dropped.
SoundPlayer& Sound();
// Installs a player and returns the previous one (or null).
std::unique_ptr<SoundPlayer> SetSoundPlayer(std::unique_ptr<SoundPlayer> player);

}  // namespace lumora
