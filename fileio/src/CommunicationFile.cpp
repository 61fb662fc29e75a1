#include "CommunicationFile.h"

#include <cstring>
#include <memory>
#include <vector>

#include "CommunicationBlocks.h"
#include "Languages.h"
#include "TrackerBlocks.h"
#include "WholeFile.h"

namespace qvfileio {

namespace {

void writeRecord(SettingsWriter& w, const QvxSettingsRecord& r) {
    writeFileHeader(w, r.language);
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
    r.result = readTwoStrokeKbd(c, r.twoStrokeKbd, language);
    endWholeFileRead(c);
    return r.result;
}

template <typename Block>
void copyBlock(Block& target, const void* data) {
    std::memcpy(&target, data, sizeof target);
}

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
    record.language = resolveLanguage(record.language);
    return readQvxSettingsFrom(context, record, settingsFileName(FileKind::Communication, record.language));
}

int readQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::u16string_view path) {
    beginWholeFileRead(context, path, record.language);
    return readBlocks(context, record);
}

int readQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, ByteSource& source) {
    std::vector<std::uint8_t> bytes = readAll(source);
    beginWholeFileRead(context, std::make_unique<TextReader>(decodeFileText(bytes)), record.language);
    return readBlocks(context, record);
}

int writeQvxSettingsTo(ByteSink& sink, const QvxSettingsRecord& record) {
    SettingsWriter writer;
    writeRecord(writer, record);
    return writer.writeTo(sink);
}

int writeQvxSettings(FileIoContext& context, QvxSettingsRecord& record) {
    record.language = resolveLanguage(record.language);
    return writeQvxSettingsFrom(context, record, settingsFileName(FileKind::Communication, record.language));
}

int writeQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::u16string_view path) {
    SettingsWriter writer;
    writeRecord(writer, record);
    return writeWholeFile(context, writer, path);
}

int writeQvxBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language) {
    // The record is large (tens of kilobytes): kept off the stack.
    auto record = std::make_unique<QvxSettingsRecord>();
    record->language = language;
    readQvxSettings(context, *record);
    if (data != nullptr) {
        QvxSettingsRecord& r = *record;
        switch (block) {
            case QVX_BLOCK_CALCONST:
                copyBlock(r.calibration, data);
                break;
            case QVX_BLOCK_FONTS:
                copyBlock(r.fonts, data);
                break;
            case QVX_BLOCK_GAZECTRL:
                copyBlock(r.gazeCtrl, data);
                break;
            case QVX_BLOCK_IMAGEPROC:
                copyBlock(r.imageProc, data);
                break;
            case QVX_BLOCK_KEYBOARD:
                copyBlock(r.keyboard, data);
                break;
            case QVX_BLOCK_LIGHTAPPL:
                copyBlock(r.lightAppl, data);
                break;
            case QVX_BLOCK_PADDLE:
                copyBlock(r.paddle, data);
                break;
            case QVX_BLOCK_PCACCESS:
                copyBlock(r.pcAccess, data);
                break;
            case QVX_BLOCK_PHONE:
                copyBlock(r.phone, data);
                break;
            case QVX_BLOCK_PHRASES:
                copyBlock(r.phrases, data);
                break;
            case QVX_BLOCK_SCANKBD:
                copyBlock(r.scanKbd, data);
                break;
            case QVX_BLOCK_SPEECH:
                copyBlock(r.speech, data);
                break;
            case QVX_BLOCK_TEACH:
                copyBlock(r.teach, data);
                break;
            case QVX_BLOCK_TV:
                copyBlock(r.tv, data);
                break;
            case QVX_BLOCK_2STROKEKBD:
                copyBlock(r.twoStrokeKbd, data);
                break;
            default:
                break;
        }
    }
    return writeQvxSettings(context, *record);
}

void convertCommunicationFiles(FileIoContext& context) {
    auto record = std::make_unique<QvxSettingsRecord>();
    record->language = -1;
    readQvxSettings(context, *record);
    writeQvxSettings(context, *record);
}

}  // namespace qvfileio
