// Arbitrary bytes as the older per-block files that the library falls back to when a
// language's settings or label file is missing, and as the current-language file.
//
// The input is split into files at lines "@@ <name>"; a name that is not one of the older
// files (or "CurrentLanguage.qvx") drops its piece. The files go to the current folder (the
// fuzzer's working folder), where the library looks for them. Every input starts without any
// of them or the settings folders, and with a library state that has not converted yet, and runs the whole-file reads of
// both settings records and of the labels, which fall back to the older files and start the
// one-time conversion. When the input holds a line "@@ no folders", the settings folders are
// missing, so the conversion cannot write and every block keeps falling back; otherwise the
// converted files are read once more, and the tracker file must read back as itself.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <system_error>
#include <string>
#include <string_view>
#include <vector>

#include "CommunicationFile.h"
#include "FileIoContext.h"
#include "FileStreams.h"
#include "KeyboardTables.h"
#include "Labels.h"
#include "TrackerFile.h"
#include "qvfileio.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kMarker = "@@ ";
constexpr std::string_view kNoFolders = "no folders";

// Every older file the library reads, and the current-language file.
constexpr std::string_view kNames[] = {
    "calconst.key", "Hardware.cfg", "software.cfg", "Fonts.size",   "ikeys.key",    "Kbd.key",
    "la.key",       "Paddle.key",   "Phoneann.key", "modem.key",    "Phonebk.key",  "Phrases.key",
    "sk.key",       "Speech.key",   "Teach.key",    "telvor.key",   "tsk.key",      "calibrat.lab",
    "kbd.lab",      "la.lab",       "menu.lab",     "menu.key",     "paddle.lab",   "mouse2pc.lab",
    "phone.lab",    "phrases.lab",  "read.lab",     "axkeyloc.key", "keyascii.cod", "compkbd.cod",
    "CurrentLanguage.qvx",
};

bool isKnownName(std::string_view name) {
    for (std::string_view known : kNames) {
        if (known == name) {
            return true;
        }
    }
    return false;
}

// Removes what the previous input left: its files and the settings folders with the files
// converted into them.
void removePreviousFiles() {
    std::error_code ignored;
    for (std::string_view name : kNames) {
        fs::remove(std::string(name), ignored);
    }
    fs::remove_all("QVSettings", ignored);
    fs::remove_all("QVXSettings", ignored);
}

void put(std::string_view name, std::string_view bytes) {
    std::ofstream out{std::string(name), std::ios::binary};
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Writes the input's pieces as files; false when the input asks for no settings folders.
bool putFiles(std::string_view input) {
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

std::vector<std::uint8_t> fileBytes(const std::u16string& path) {
    auto bytes = qvfileio::readFileBytes(path);
    return bytes ? std::move(*bytes) : std::vector<std::uint8_t>{};
}

// A converted tracker file is written from what the older files held; read back and written
// again it must come out the same, or every save would drift the user's settings.
void checkTrackerFileReadsBackAsItself(qvfileio::FileIoContext& context, std::int32_t language) {
    const std::vector<std::uint8_t> written =
        fileBytes(qvfileio::settingsFileName(qvfileio::FileKind::Tracker, language));
    if (written.empty()) {
        return;
    }
    QvSettingsRecord back{};
    back.language = language;
    qvfileio::readQvSettingsFrom(context, back, written);
    if (qvfileio::qvSettingsFileBytes(back) != written) {
        std::abort();
    }
}

}  // namespace

// Whether a write reaches the disk is the support library's tests' concern; here each sync
// would hold every input up for milliseconds, so this program's syncs return at once.
extern "C" int fsync(int) {
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    removePreviousFiles();
    const bool folders = putFiles(std::string_view(reinterpret_cast<const char*>(data), size));
    if (folders) {
        fs::create_directory("QVSettings");
        fs::create_directory("QVXSettings");
    }

    qvfileio::FileIoContext context;
    QvSettingsRecord tracker{};
    tracker.language = -1;
    qvfileio::readQvSettings(context, tracker);
    auto communication = std::make_unique<QvxSettingsRecord>();
    communication->language = -1;
    qvfileio::readQvxSettings(context, *communication);
    auto labels = std::make_unique<QvxLabelsRecord>();
    labels->language = -1;
    labels->keyLocations.kind = static_cast<std::int32_t>(size % 2);
    qvfileio::readLabels(context, *labels);

    if (folders) {
        // The converted files, as every later start reads them.
        QvSettingsRecord again{};
        again.language = -1;
        qvfileio::readQvSettings(context, again);
        auto communicationAgain = std::make_unique<QvxSettingsRecord>();
        communicationAgain->language = -1;
        qvfileio::readQvxSettings(context, *communicationAgain);
        checkTrackerFileReadsBackAsItself(context, tracker.language);
    }
    return 0;
}
