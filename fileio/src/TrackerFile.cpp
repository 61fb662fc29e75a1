#include "TrackerFile.h"

#include <cstring>
#include <memory>
#include <vector>

#include "Languages.h"
#include "TrackerBlocks.h"
#include "WholeFile.h"

namespace qvfileio {

namespace {

void writeRecord(SettingsWriter& writer, const QvSettingsRecord& record) {
    writeFileHeader(writer, record.language);
    writeCalConst(writer, record.calibration);
    writeHardware(writer, record.hardware);
    writeImageProc(writer, record.imageProc);
}

}  // namespace

void setDefaultQvSettings(QvSettingsRecord& record) {
    record.result = QV_FILE_FORMAT_VERSION;
    setCalConstDefaults(record.calibration, QV_FILE_KIND_TRACKER);
    setHardwareDefaults(record.hardware, false);
    setImageProcDefaults(record.imageProc);
}

int readQvSettings(FileIoContext& context, QvSettingsRecord& record) {
    record.language = resolveLanguage(record.language);
    return readQvSettingsFrom(context, record, settingsFileName(FileKind::Tracker, record.language));
}

namespace {

int readBlocks(FileIoContext& context, QvSettingsRecord& record) {
    readCalConst(context, record.calibration, record.language, QV_FILE_KIND_TRACKER);
    readHardware(context, record.hardware, record.language);
    record.result = readImageProc(context, record.imageProc, record.language, QV_FILE_KIND_TRACKER);
    endWholeFileRead(context);
    return record.result;
}

}  // namespace

int readQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::u16string_view path) {
    beginWholeFileRead(context, path, record.language);
    return readBlocks(context, record);
}

int readQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, ByteSource& source) {
    std::vector<std::uint8_t> bytes = readAll(source);
    beginWholeFileRead(context, std::make_unique<TextReader>(decodeFileText(bytes)), record.language);
    return readBlocks(context, record);
}

int writeQvSettingsTo(ByteSink& sink, const QvSettingsRecord& record) {
    SettingsWriter writer;
    writeRecord(writer, record);
    return writer.writeTo(sink);
}

int writeQvSettings(FileIoContext& context, QvSettingsRecord& record) {
    record.language = resolveLanguage(record.language);
    return writeQvSettingsFrom(context, record, settingsFileName(FileKind::Tracker, record.language));
}

int writeQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::u16string_view path) {
    SettingsWriter writer;
    writeRecord(writer, record);
    return writeWholeFile(context, writer, path);
}

int writeQvBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language) {
    QvSettingsRecord record{};
    record.language = language;
    readQvSettings(context, record);
    if (data != nullptr) {
        switch (block) {
            case QV_BLOCK_HARDWARE:
                std::memcpy(&record.hardware, data, sizeof record.hardware);
                break;
            case QV_BLOCK_IMAGEPROC:
                std::memcpy(&record.imageProc, data, sizeof record.imageProc);
                break;
            case QV_BLOCK_CALCONST:
                std::memcpy(&record.calibration, data, sizeof record.calibration);
                break;
            default:
                break;
        }
    }
    return writeQvSettings(context, record);
}

void convertTrackerFiles(FileIoContext& context) {
    QvSettingsRecord record{};
    record.language = -1;
    readQvSettings(context, record);
    writeQvSettings(context, record);
}

}  // namespace qvfileio
