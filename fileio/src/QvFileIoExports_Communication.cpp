// The exported C interface, second part: the communication settings file and its blocks.
#include "CommunicationBlocks.h"
#include "CommunicationFile.h"
#include "ExportSupport.h"
#include "qvfileio.h"

using namespace qvfileio;

extern "C" {

QVFILEIO_EXPORT void vSetDefaultQVXSettings(QvxSettingsRecord* record) {
    setDefaults(record, setDefaultQvxSettings);
}

QVFILEIO_EXPORT int32_t vReadQVXSettings(QvxSettingsRecord* record) {
    return callOn(record, 0, [&](auto& target) { return readQvxSettings(libraryContext(), target); });
}

QVFILEIO_EXPORT int32_t vReadQVXSettingsHelper(QvxSettingsRecord* record, const char16_t* path) {
    return callOn(record, 0,
                  [&](auto& target) { return readQvxSettingsFrom(libraryContext(), target, pathView(path)); });
}

QVFILEIO_EXPORT int32_t vWriteQVXSettings(QvxSettingsRecord* record) {
    return callOn(record, kWriteFailed, [&](auto& target) { return writeQvxSettings(libraryContext(), target); });
}

QVFILEIO_EXPORT int32_t vWriteQVXSettingsHelper(QvxSettingsRecord* record, const char16_t* path) {
    return callOn(record, kWriteFailed,
                  [&](auto& target) { return writeQvxSettingsFrom(libraryContext(), target, pathView(path)); });
}

QVFILEIO_EXPORT int32_t vWriteQVXBlock(int32_t block, const void* data, int32_t language) {
    return guarded([&] { return writeQvxBlock(libraryContext(), block, data, language); }, kWriteFailed);
}

QVFILEIO_EXPORT void vSetFontsDefaults(FontsSettings* block) {
    setDefaults(block, setFontsDefaults);
}
QVFILEIO_EXPORT int32_t vReadFontsSettings(FontsSettings* block, int32_t language) {
    return readInto(block, language, readFonts);
}

QVFILEIO_EXPORT void vSetGazeCtrlDefaults(GazeCtrlSettings* block) {
    setDefaults(block, setGazeCtrlDefaults);
}
QVFILEIO_EXPORT int32_t vReadGazeCtrlSettings(GazeCtrlSettings* block, int32_t language) {
    return readInto(block, language, readGazeCtrl);
}

QVFILEIO_EXPORT void vSetKeyboardDefaults(KeyboardSettings* block) {
    setDefaults(block, setKeyboardDefaults);
}
QVFILEIO_EXPORT int32_t vReadKeyboardSettings(KeyboardSettings* block, int32_t language) {
    return readInto(block, language, readKeyboard);
}

QVFILEIO_EXPORT void vSetLightApplDefaults(LightApplSettings* block) {
    setDefaults(block, setLightApplDefaults);
}
QVFILEIO_EXPORT int32_t vReadLightApplSettings(LightApplSettings* block, int32_t language) {
    return readInto(block, language, readLightAppl);
}

QVFILEIO_EXPORT void vSetPaddleDefaults(PaddleSettings* block) {
    setDefaults(block, setPaddleDefaults);
}
QVFILEIO_EXPORT int32_t vReadPaddleSettings(PaddleSettings* block, int32_t language) {
    return readInto(block, language, readPaddle);
}

QVFILEIO_EXPORT void vSetPCAccessDefaults(PCAccessSettings* block) {
    setDefaults(block, setPCAccessDefaults);
}
QVFILEIO_EXPORT int32_t vReadPCAccessSettings(PCAccessSettings* block, int32_t language) {
    return readInto(block, language, readPCAccess);
}

QVFILEIO_EXPORT void vSetPhoneDefaults(PhoneSettings* block) {
    setDefaults(block, setPhoneDefaults);
}
QVFILEIO_EXPORT int32_t vReadPhoneSettings(PhoneSettings* block, int32_t language) {
    return readInto(block, language, readPhone);
}

QVFILEIO_EXPORT void vSetPhrasesDefaults(PhrasesSettings* block, int32_t which) {
    setDefaults(block, [which](PhrasesSettings& b) { setPhrasesDefaults(b, which); });
}
QVFILEIO_EXPORT int32_t vReadPhrasesSettings(PhrasesSettings* block, int32_t language) {
    return readInto(block, language, readPhrases);
}

QVFILEIO_EXPORT void vSetScanKbdDefaults(ScanKbdSettings* block) {
    setDefaults(block, setScanKbdDefaults);
}
QVFILEIO_EXPORT int32_t vReadScanKbdSettings(ScanKbdSettings* block, int32_t language) {
    return readInto(block, language, readScanKbd);
}

QVFILEIO_EXPORT void vSetSpeechDefaults(SpeechSettings* block) {
    setDefaults(block, setSpeechDefaults);
}
QVFILEIO_EXPORT int32_t vReadSpeechSettings(SpeechSettings* block, int32_t language) {
    return readInto(block, language, readSpeech);
}

QVFILEIO_EXPORT void vSetTeachDefaults(TeachSettings* block, int32_t which) {
    setDefaults(block, [which](TeachSettings& b) { setTeachDefaults(b, which); });
}
QVFILEIO_EXPORT int32_t vReadTeachSettings(TeachSettings* block, int32_t language) {
    return readInto(block, language, readTeach);
}

QVFILEIO_EXPORT void vSetTVDefaults(TVSettings* block) {
    setDefaults(block, setTVDefaults);
}
QVFILEIO_EXPORT int32_t vReadTVSettings(TVSettings* block, int32_t language) {
    return readInto(block, language, readTV);
}

QVFILEIO_EXPORT void vSet2StrokeKbdDefaults(TwoStrokeKbdSettings* block) {
    setDefaults(block, setTwoStrokeKbdDefaults);
}
QVFILEIO_EXPORT int32_t vRead2StrokeKbdSettings(TwoStrokeKbdSettings* block, int32_t language) {
    return readInto(block, language, readTwoStrokeKbd);
}

}  // extern "C"
