// Arbitrary bytes as the older per-block files that the library falls back to when a
// language's settings or label file is missing, and as the current-language file.
//
// The input is split into files as LegacyFilesInput.h says. The files go to the current folder (the
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
#include <memory>
#include <string>
#include <vector>

#include "CommunicationFile.h"
#include "FileIoContext.h"
#include "FileStreams.h"
#include "LegacyFilesInput.h"
#include "KeyboardTables.h"
#include "Labels.h"
#include "TrackerFile.h"
#include "qvfileio.h"

namespace {

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
    legacy_input::removePreviousFiles();
    const bool folders = legacy_input::putFiles(std::string_view(reinterpret_cast<const char*>(data), size));
    if (folders) {
        std::filesystem::create_directory("QVSettings");
        std::filesystem::create_directory("QVXSettings");
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
