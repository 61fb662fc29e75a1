// The exported C interface, second part: the communication settings file and its blocks.
#include "CommunicationBlocks.h"
#include "CommunicationFile.h"
#include "ExportSupport.h"
#include "qvfileio.h"

using namespace qvfileio;

namespace {

template <typename Block, typename Read>
int32_t readBlock(Block* block, int32_t language, Read read) {
    if (block == nullptr) {
        return 0;
    }
    return guarded([&] { return read(libraryContext(), *block, language); }, 0);
}

template <typename Block, typename Set>
void setBlock(Block* block, Set set) {
    if (block != nullptr) {
        set(*block);
    }
}

}  // namespace

extern "C" {

QVFILEIO_EXPORT void vSetDefaultQVXSettings(QvxSettingsRecord* record) {
    setBlock(record, setDefaultQvxSettings);
}

QVFILEIO_EXPORT int32_t vReadQVXSettings(QvxSettingsRecord* record) {
    if (record == nullptr) {
        return 0;
    }
    return guarded([&] { return readQvxSettings(libraryContext(), *record); }, 0);
}

QVFILEIO_EXPORT int32_t vReadQVXSettingsHelper(QvxSettingsRecord* record, const char16_t* path) {
    if (record == nullptr) {
        return 0;
    }
    return guarded([&] { return readQvxSettingsFrom(libraryContext(), *record, pathView(path)); }, 0);
}

QVFILEIO_EXPORT int32_t vWriteQVXSettings(QvxSettingsRecord* record) {
    if (record == nullptr) {
        return 0;
    }
    return guarded([&] { return writeQvxSettings(libraryContext(), *record); }, kWriteFailed);
}

QVFILEIO_EXPORT int32_t vWriteQVXSettingsHelper(QvxSettingsRecord* record, const char16_t* path) {
    if (record == nullptr) {
        return 0;
    }
    return guarded([&] { return writeQvxSettingsFrom(libraryContext(), *record, pathView(path)); }, kWriteFailed);
}

QVFILEIO_EXPORT int32_t vWriteQVXBlock(int32_t block, const void* data, int32_t language) {
    return guarded([&] { return writeQvxBlock(libraryContext(), block, data, language); }, kWriteFailed);
}

QVFILEIO_EXPORT void vSetFontsDefaults(FontsSettings* block) {
    setBlock(block, setFontsDefaults);
}
QVFILEIO_EXPORT int32_t vReadFontsSettings(FontsSettings* block, int32_t language) {
    return readBlock(block, language, readFonts);
}

QVFILEIO_EXPORT void vSetGazeCtrlDefaults(GazeCtrlSettings* block) {
    setBlock(block, setGazeCtrlDefaults);
}
QVFILEIO_EXPORT int32_t vReadGazeCtrlSettings(GazeCtrlSettings* block, int32_t language) {
    return readBlock(block, language, readGazeCtrl);
}

QVFILEIO_EXPORT void vSetKeyboardDefaults(KeyboardSettings* block) {
    setBlock(block, setKeyboardDefaults);
}
QVFILEIO_EXPORT int32_t vReadKeyboardSettings(KeyboardSettings* block, int32_t language) {
    return readBlock(block, language, readKeyboard);
}

QVFILEIO_EXPORT void vSetLightApplDefaults(LightApplSettings* block) {
    setBlock(block, setLightApplDefaults);
}
QVFILEIO_EXPORT int32_t vReadLightApplSettings(LightApplSettings* block, int32_t language) {
    return readBlock(block, language, readLightAppl);
}

QVFILEIO_EXPORT void vSetPaddleDefaults(PaddleSettings* block) {
    setBlock(block, setPaddleDefaults);
}
QVFILEIO_EXPORT int32_t vReadPaddleSettings(PaddleSettings* block, int32_t language) {
    return readBlock(block, language, readPaddle);
}

QVFILEIO_EXPORT void vSetPCAccessDefaults(PCAccessSettings* block) {
    setBlock(block, setPCAccessDefaults);
}
QVFILEIO_EXPORT int32_t vReadPCAccessSettings(PCAccessSettings* block, int32_t language) {
    return readBlock(block, language, readPCAccess);
}

QVFILEIO_EXPORT void vSetPhoneDefaults(PhoneSettings* block) {
    setBlock(block, setPhoneDefaults);
}
QVFILEIO_EXPORT int32_t vReadPhoneSettings(PhoneSettings* block, int32_t language) {
    return readBlock(block, language, readPhone);
}

QVFILEIO_EXPORT void vSetPhrasesDefaults(PhrasesSettings* block, int32_t which) {
    setBlock(block, [which](PhrasesSettings& b) { setPhrasesDefaults(b, which); });
}
QVFILEIO_EXPORT int32_t vReadPhrasesSettings(PhrasesSettings* block, int32_t language) {
    return readBlock(block, language, readPhrases);
}

QVFILEIO_EXPORT void vSetScanKbdDefaults(ScanKbdSettings* block) {
    setBlock(block, setScanKbdDefaults);
}
QVFILEIO_EXPORT int32_t vReadScanKbdSettings(ScanKbdSettings* block, int32_t language) {
    return readBlock(block, language, readScanKbd);
}

QVFILEIO_EXPORT void vSetSpeechDefaults(SpeechSettings* block) {
    setBlock(block, setSpeechDefaults);
}
QVFILEIO_EXPORT int32_t vReadSpeechSettings(SpeechSettings* block, int32_t language) {
    return readBlock(block, language, readSpeech);
}

QVFILEIO_EXPORT void vSetTeachDefaults(TeachSettings* block, int32_t which) {
    setBlock(block, [which](TeachSettings& b) { setTeachDefaults(b, which); });
}
QVFILEIO_EXPORT int32_t vReadTeachSettings(TeachSettings* block, int32_t language) {
    return readBlock(block, language, readTeach);
}

QVFILEIO_EXPORT void vSetTVDefaults(TVSettings* block) {
    setBlock(block, setTVDefaults);
}
QVFILEIO_EXPORT int32_t vReadTVSettings(TVSettings* block, int32_t language) {
    return readBlock(block, language, readTV);
}

QVFILEIO_EXPORT void vSet2StrokeKbdDefaults(TwoStrokeKbdSettings* block) {
    setBlock(block, setTwoStrokeKbdDefaults);
}
QVFILEIO_EXPORT int32_t vRead2StrokeKbdSettings(TwoStrokeKbdSettings* block, int32_t language) {
    return readBlock(block, language, readTwoStrokeKbd);
}

}  // extern "C"
