// One input of the older-files reads: several files in one byte string, split at lines
// "@@ <name>". A name that is not one of the older files (or "CurrentLanguage.qvx") drops its
// piece; a line "@@ no folders" asks for a start without the settings folders. The legacy
// fuzzer and the seed table test read their inputs through this, so both see the same files.
#pragma once

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace legacy_input {

inline constexpr std::string_view kMarker = "@@ ";
inline constexpr std::string_view kNoFolders = "no folders";

// Every older file the library reads, and the current-language file.
inline constexpr std::string_view kNames[] = {
    "calconst.key", "Hardware.cfg", "software.cfg", "Fonts.size",   "ikeys.key",    "Kbd.key",
    "la.key",       "Paddle.key",   "Phoneann.key", "modem.key",    "Phonebk.key",  "Phrases.key",
    "sk.key",       "Speech.key",   "Teach.key",    "telvor.key",   "tsk.key",      "calibrat.lab",
    "kbd.lab",      "la.lab",       "menu.lab",     "menu.key",     "paddle.lab",   "mouse2pc.lab",
    "phone.lab",    "phrases.lab",  "read.lab",     "axkeyloc.key", "keyascii.cod", "compkbd.cod",
    "CurrentLanguage.qvx",
};

inline bool isKnownName(std::string_view name) {
    return std::find(std::begin(kNames), std::end(kNames), name) != std::end(kNames);
}

// Removes what a previous input left in the current folder: its files and the settings folders
// with the files converted into them.
inline void removePreviousFiles() {
    std::error_code ignored;
    for (std::string_view name : kNames) {
        std::filesystem::remove(std::string(name), ignored);
    }
    std::filesystem::remove_all("QVSettings", ignored);
    std::filesystem::remove_all("QVXSettings", ignored);
}

inline void put(std::string_view name, std::string_view bytes) {
    std::ofstream out{std::string(name), std::ios::binary};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Writes the input's pieces into the current folder; false when the input asks for no settings
// folders.
inline bool putFiles(std::string_view input) {
    bool folders = true;
    std::string_view name;
    std::size_t pieceStart = std::string_view::npos;
    std::size_t pos = 0;
    while (pos <= input.size()) {
        const std::size_t lineEnd = std::min(input.find('\n', pos), input.size());
        const std::string_view line = input.substr(pos, lineEnd - pos);
        const bool marker = line.starts_with(kMarker);
        if (marker || lineEnd == input.size()) {
            if (pieceStart != std::string_view::npos && isKnownName(name)) {
                const std::size_t end = marker ? pos : input.size();
                put(name, input.substr(pieceStart, end - pieceStart));
            }
            if (marker) {
                name = line.substr(kMarker.size());
                while (!name.empty() && name.back() == '\r') {
                    name.remove_suffix(1);
                }
                folders = folders && name != kNoFolders;
                pieceStart = std::min(lineEnd + 1, input.size());
            }
        }
        pos = lineEnd + 1;
    }
    return folders;
}

}  // namespace legacy_input
