#include "TrackerFile.h"

#include "TrackerBlocks.h"
#include "WholeFile.h"

namespace qvfileio {

namespace {

void writeBlocks(SettingsWriter& writer, const QvSettingsRecord& record) {
    writeCalConst(writer, record.calibration);
    writeHardware(writer, record.hardware);
    writeImageProc(writer, record.imageProc);
}

int readBlocks(FileIoContext& context, QvSettingsRecord& record) {
    readCalConst(context, record.calibration, record.language, QV_FILE_KIND_TRACKER);
    readHardware(context, record.hardware, record.language);
    return readImageProc(context, record.imageProc, record.language, QV_FILE_KIND_TRACKER);
}

void replace(QvSettingsRecord& record, std::int32_t block, const void* data) {
    const BlockSlot slots[] = {
        blockSlot(QV_BLOCK_HARDWARE, record.hardware),
        blockSlot(QV_BLOCK_IMAGEPROC, record.imageProc),
        blockSlot(QV_BLOCK_CALCONST, record.calibration),
    };
    replaceBlock(slots, block, data);
}

constexpr RecordFile<QvSettingsRecord> kTrackerFile = {FileKind::Tracker, writeBlocks, readBlocks, replace};

}  // namespace

void setDefaultQvSettings(QvSettingsRecord& record) {
    record.result = QV_FILE_FORMAT_VERSION;
    setCalConstDefaults(record.calibration, QV_FILE_KIND_TRACKER);
    setHardwareDefaults(record.hardware, false);
    setImageProcDefaults(record.imageProc);
}

int readQvSettings(FileIoContext& context, QvSettingsRecord& record) {
    return readRecord(context, record, kTrackerFile);
}

int readQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::u16string_view path) {
    return readRecordFrom(context, record, path, kTrackerFile);
}

int readQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::span<const std::uint8_t> bytes) {
    return readRecordFrom(context, record, bytes, kTrackerFile);
}

std::vector<std::uint8_t> qvSettingsFileBytes(const QvSettingsRecord& record) {
    return recordFileBytes(record, kTrackerFile);
}

int writeQvSettings(FileIoContext& context, QvSettingsRecord& record) {
    return writeRecord(context, record, kTrackerFile);
}

int writeQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::u16string_view path) {
    return writeRecordFrom(context, record, path, kTrackerFile);
}

int writeQvBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language) {
    return writeRecordBlock(context, block, data, language, kTrackerFile);
}

void convertTrackerFiles(FileIoContext& context) {
    convertRecordFiles(context, kTrackerFile);
}

}  // namespace qvfileio
