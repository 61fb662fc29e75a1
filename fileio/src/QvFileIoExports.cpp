// The exported C interface, first part: version, tracker file, tracker blocks and languages.
#include <string_view>

#include "ExportSupport.h"
#include "FileIoContext.h"
#include "Languages.h"
#include "TrackerBlocks.h"
#include "TrackerFile.h"
#include "qvfileio.h"

using namespace qvfileio;

namespace {
constexpr std::int32_t kLibraryMajor = 1;
constexpr std::int32_t kLibraryMinor = 5;
}  // namespace

FileIoContext& qvfileio::libraryContext() {
    static FileIoContext instance;
    return instance;
}

extern "C" {

QVFILEIO_EXPORT void GetQVFileIOVersion(int32_t* major, int32_t* minor) {
    if (major != nullptr) {
        *major = kLibraryMajor;
    }
    if (minor != nullptr) {
        *minor = kLibraryMinor;
    }
}

// ---- tracker settings file

QVFILEIO_EXPORT void vSetDefaultQvSettings(QvSettingsRecord* record) {
    setDefaults(record, setDefaultQvSettings);
}

QVFILEIO_EXPORT int32_t vReadQvSettings(QvSettingsRecord* record) {
    return callOn(record, 0, [&](auto& target) { return readQvSettings(libraryContext(), target); });
}

QVFILEIO_EXPORT int32_t vReadQvSettingsHelper(QvSettingsRecord* record, const char16_t* path) {
    return callOn(record, 0,
                  [&](auto& target) { return readQvSettingsFrom(libraryContext(), target, pathView(path)); });
}

QVFILEIO_EXPORT int32_t vWriteQvSettings(QvSettingsRecord* record) {
    return callOn(record, kWriteFailed, [&](auto& target) { return writeQvSettings(libraryContext(), target); });
}

QVFILEIO_EXPORT int32_t vWriteQvSettingsHelper(QvSettingsRecord* record, const char16_t* path) {
    return callOn(record, kWriteFailed,
                  [&](auto& target) { return writeQvSettingsFrom(libraryContext(), target, pathView(path)); });
}

QVFILEIO_EXPORT int32_t vWriteQvBlock(int32_t block, const void* data, int32_t language) {
    return guarded([&] { return writeQvBlock(libraryContext(), block, data, language); }, kWriteFailed);
}

// ---- tracker blocks

QVFILEIO_EXPORT void vSetCalConstDefaults(CalConstSettings* block, int32_t fileKind) {
    setDefaults(block, [&](auto& target) { setCalConstDefaults(target, fileKind); });
}

QVFILEIO_EXPORT int32_t vReadCalConstSettings(CalConstSettings* block, int32_t language, int32_t fileKind) {
    return callOn(block, 0, [&](auto& target) { return readCalConst(libraryContext(), target, language, fileKind); });
}

QVFILEIO_EXPORT void vSetHardwareDefaults(HardwareSettings* block, int32_t full) {
    setDefaults(block, [&](auto& target) { setHardwareDefaults(target, full != 0); });
}

QVFILEIO_EXPORT int32_t vReadHardwareSettings(HardwareSettings* block, int32_t language) {
    return callOn(block, 0, [&](auto& target) { return readHardware(libraryContext(), target, language); });
}

QVFILEIO_EXPORT void vSetImageProcDefaults(ImageProcSettings* block) {
    setDefaults(block, setImageProcDefaults);
}

QVFILEIO_EXPORT int32_t vReadImageProcSettings(ImageProcSettings* block, int32_t language, int32_t fileKind) {
    return callOn(block, 0, [&](auto& target) { return readImageProc(libraryContext(), target, language, fileKind); });
}

// ---- languages

QVFILEIO_EXPORT int32_t CreateLanguageFileName(char16_t* out, const char16_t* pattern, int32_t language) {
    if (out == nullptr) {
        return 0;
    }
    out[0] = 0;
    if (pattern == nullptr) {
        return 0;
    }
    return guarded(
        [&] {
            std::u16string name = languageFileName(pathView(pattern), language);
            copyText(out, QV_MAX_PATH, name);
            return static_cast<int32_t>(boundedLength(out, QV_MAX_PATH));
        },
        0);
}

QVFILEIO_EXPORT int32_t LanguageFromDichar(const char16_t* text, int32_t* language) {
    if (language == nullptr) {
        return 0;
    }
    if (text != nullptr) {
        constexpr std::size_t kCodeChars = 2;
        languageFromDichar(std::u16string_view(text, boundedLength(text, kCodeChars)), *language);
    }
    return *language;
}

QVFILEIO_EXPORT int32_t* ReadLanguage(int32_t* language) {
    if (language != nullptr) {
        guardedVoid([&] { readLanguage(*language); });
    }
    return language;
}

QVFILEIO_EXPORT int32_t WriteLanguage(int32_t language) {
    return guarded([&] { return writeLanguage(language); }, kWriteFailed);
}

}  // extern "C"
