#include "CommunicationFile.h"

#include "CommunicationBlocks.h"
#include "TrackerBlocks.h"
#include "WholeFile.h"

namespace qvfileio {

namespace {

void writeBlocks(SettingsWriter& w, const QvxSettingsRecord& r) {
    writeCalConst(w, r.calibration);
    writeFonts(w, r.fonts);
    writeGazeCtrl(w, r.gazeCtrl);
    writeImageProc(w, r.imageProc);
    writeKeyboard(w, r.keyboard);
    writeLightAppl(w, r.lightAppl);
    writePaddle(w, r.paddle);
    writePCAccess(w, r.pcAccess);
    writePhone(w, r.phone);
    writePhrases(w, r.phrases);
    writeScanKbd(w, r.scanKbd);
    writeSpeech(w, r.speech);
    writeTeach(w, r.teach);
    writeTV(w, r.tv);
    writeTwoStrokeKbd(w, r.twoStrokeKbd);
}

int readBlocks(FileIoContext& c, QvxSettingsRecord& r) {
    const std::int32_t language = r.language;
    readCalConst(c, r.calibration, language, QV_FILE_KIND_COMMUNICATION);
    readFonts(c, r.fonts, language);
    readGazeCtrl(c, r.gazeCtrl, language);
    readKeyboard(c, r.keyboard, language);
    readImageProc(c, r.imageProc, language, QV_FILE_KIND_COMMUNICATION);
    readLightAppl(c, r.lightAppl, language);
    readPaddle(c, r.paddle, language);
    readPCAccess(c, r.pcAccess, language);
    readPhone(c, r.phone, language);
    readPhrases(c, r.phrases, language);
    readScanKbd(c, r.scanKbd, language);
    readSpeech(c, r.speech, language);
    readTeach(c, r.teach, language);
    readTV(c, r.tv, language);
    return readTwoStrokeKbd(c, r.twoStrokeKbd, language);
}

void replace(QvxSettingsRecord& r, std::int32_t block, const void* data) {
    const BlockSlot slots[] = {
        blockSlot(QVX_BLOCK_CALCONST, r.calibration),
        blockSlot(QVX_BLOCK_FONTS, r.fonts),
        blockSlot(QVX_BLOCK_GAZECTRL, r.gazeCtrl),
        blockSlot(QVX_BLOCK_IMAGEPROC, r.imageProc),
        blockSlot(QVX_BLOCK_KEYBOARD, r.keyboard),
        blockSlot(QVX_BLOCK_LIGHTAPPL, r.lightAppl),
        blockSlot(QVX_BLOCK_PADDLE, r.paddle),
        blockSlot(QVX_BLOCK_PCACCESS, r.pcAccess),
        blockSlot(QVX_BLOCK_PHONE, r.phone),
        blockSlot(QVX_BLOCK_PHRASES, r.phrases),
        blockSlot(QVX_BLOCK_SCANKBD, r.scanKbd),
        blockSlot(QVX_BLOCK_SPEECH, r.speech),
        blockSlot(QVX_BLOCK_TEACH, r.teach),
        blockSlot(QVX_BLOCK_TV, r.tv),
        blockSlot(QVX_BLOCK_2STROKEKBD, r.twoStrokeKbd),
    };
    replaceBlock(slots, block, data);
}

constexpr RecordFile<QvxSettingsRecord> kCommunicationFile = {FileKind::Communication, writeBlocks, readBlocks,
                                                              replace};

}  // namespace

void setDefaultQvxSettings(QvxSettingsRecord& r) {
    r.result = QV_FILE_FORMAT_VERSION;
    r.language = 0;
    setCalConstDefaults(r.calibration, QV_FILE_KIND_COMMUNICATION);
    setFontsDefaults(r.fonts);
    setGazeCtrlDefaults(r.gazeCtrl);
    setKeyboardDefaults(r.keyboard);
    setImageProcDefaults(r.imageProc);
    setLightApplDefaults(r.lightAppl);
    setPaddleDefaults(r.paddle);
    setPCAccessDefaults(r.pcAccess);
    setPhoneDefaults(r.phone);
    setPhrasesDefaults(r.phrases, -1);
    setScanKbdDefaults(r.scanKbd);
    setSpeechDefaults(r.speech);
    setTeachDefaults(r.teach, -1);
    setTVDefaults(r.tv);
    setTwoStrokeKbdDefaults(r.twoStrokeKbd);
}

int readQvxSettings(FileIoContext& context, QvxSettingsRecord& record) {
    return readRecord(context, record, kCommunicationFile);
}

int readQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::u16string_view path) {
    return readRecordFrom(context, record, path, kCommunicationFile);
}

int readQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::span<const std::uint8_t> bytes) {
    return readRecordFrom(context, record, bytes, kCommunicationFile);
}

std::vector<std::uint8_t> qvxSettingsFileBytes(const QvxSettingsRecord& record) {
    return recordFileBytes(record, kCommunicationFile);
}

int writeQvxSettings(FileIoContext& context, QvxSettingsRecord& record) {
    return writeRecord(context, record, kCommunicationFile);
}

int writeQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::u16string_view path) {
    return writeRecordFrom(context, record, path, kCommunicationFile);
}

int writeQvxBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language) {
    return writeRecordBlock(context, block, data, language, kCommunicationFile);
}

void convertCommunicationFiles(FileIoContext& context) {
    convertRecordFiles(context, kCommunicationFile);
}

}  // namespace qvfileio
