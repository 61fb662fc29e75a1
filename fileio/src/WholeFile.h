// Steps shared by the whole-file reads and writes of every kind of settings file, and the
// read, write and single-block write of a whole record built from them.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "FileIoContext.h"
#include "Languages.h"
#include "SettingsWriter.h"

namespace qvfileio {

// Opens path as the shared file of a whole-file read and takes the language from its language
// line when that names one (language left as it is otherwise).
void beginWholeFileRead(FileIoContext& context, std::u16string_view path, std::int32_t& language);
// The same with the bytes of a whole file held in memory.
void beginWholeFileRead(FileIoContext& context, std::span<const std::uint8_t> bytes, std::int32_t& language);
// The same with a file already opened (null: none).
void beginWholeFileRead(FileIoContext& context, std::unique_ptr<TextReader> file, std::int32_t& language);
// Closes the shared file if the read still holds it.
void endWholeFileRead(FileIoContext& context);
// The byte-order mark, the version line and the language line.
void writeFileHeader(SettingsWriter& writer, std::int32_t language);
// Replaces the file at path by the writer's bytes: 0 when written or when the file cannot be
// created, non-zero when the write failed part way.
int writeWholeFile(FileIoContext& context, const SettingsWriter& writer, std::u16string_view path);

// One block of a record that a single-block write may replace: its number and its bytes.
struct BlockSlot {
    std::int32_t block;
    void* target;
    std::size_t size;
};

template <typename Block>
BlockSlot blockSlot(std::int32_t block, Block& target) {
    return {block, &target, sizeof target};
}

// Copies data over the slot numbered block; a number no slot has changes nothing.
void replaceBlock(std::span<const BlockSlot> slots, std::int32_t block, const void* data);

// How a kind of settings file maps onto its record (a struct with language and result).
template <typename Record>
struct RecordFile {
    FileKind kind;
    // The blocks after the file header, in the file's order.
    void (*writeBlocks)(SettingsWriter& writer, const Record& record);
    // Every block from the context's file (or their fallbacks); the last block's version.
    int (*readBlocks)(FileIoContext& context, Record& record);
    // Replaces the block numbered block by a copy of data.
    void (*replace)(Record& record, std::int32_t block, const void* data);
};

template <typename Record>
int readRecordBlocks(FileIoContext& context, Record& record, const RecordFile<Record>& file) {
    record.result = file.readBlocks(context, record);
    endWholeFileRead(context);
    return record.result;
}

// Reads from an explicit path or from the bytes of a file; blocks missing there come from the
// language's file.
template <typename Record>
int readRecordFrom(FileIoContext& context, Record& record, std::u16string_view path, const RecordFile<Record>& file) {
    beginWholeFileRead(context, path, record.language);
    return readRecordBlocks(context, record, file);
}

template <typename Record>
int readRecordFrom(FileIoContext& context, Record& record, std::span<const std::uint8_t> bytes,
                   const RecordFile<Record>& file) {
    beginWholeFileRead(context, bytes, record.language);
    return readRecordBlocks(context, record, file);
}

// The path of the record's language file, record.language resolved first.
template <typename Record>
std::u16string languageFileOf(Record& record, const RecordFile<Record>& file) {
    record.language = resolveLanguage(record.language);
    return settingsFileName(file.kind, record.language);
}

// Reads the language's file.
template <typename Record>
int readRecord(FileIoContext& context, Record& record, const RecordFile<Record>& file) {
    return readRecordFrom(context, record, languageFileOf(record, file), file);
}

template <typename Record>
void writeRecordTo(SettingsWriter& writer, const Record& record, const RecordFile<Record>& file) {
    writeFileHeader(writer, record.language);
    file.writeBlocks(writer, record);
}

// The whole file's bytes.
template <typename Record>
std::vector<std::uint8_t> recordFileBytes(const Record& record, const RecordFile<Record>& file) {
    SettingsWriter writer;
    writeRecordTo(writer, record, file);
    return writer.bytes();
}

// Whole-file writes: 0 when written or when the file cannot be created, non-zero when the
// write failed part way.
template <typename Record>
int writeRecordFrom(FileIoContext& context, const Record& record, std::u16string_view path,
                    const RecordFile<Record>& file) {
    SettingsWriter writer;
    writeRecordTo(writer, record, file);
    return writeWholeFile(context, writer, path);
}

template <typename Record>
int writeRecord(FileIoContext& context, Record& record, const RecordFile<Record>& file) {
    return writeRecordFrom(context, record, languageFileOf(record, file), file);
}

// Reads the language's file, replaces one block by a copy of data (null: none) and writes the
// file back.
template <typename Record>
int writeRecordBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language,
                     const RecordFile<Record>& file) {
    // A record can be large (tens of kilobytes): kept off the stack.
    auto record = std::make_unique<Record>();
    record->language = language;
    readRecord(context, *record, file);
    if (data != nullptr) {
        file.replace(*record, block, data);
    }
    return writeRecord(context, *record, file);
}

// The one-time conversion: the record read for the current language (every block from its
// older file) and written as the new settings file.
template <typename Record>
void convertRecordFiles(FileIoContext& context, const RecordFile<Record>& file) {
    auto record = std::make_unique<Record>();
    record->language = -1;
    readRecord(context, *record, file);
    writeRecord(context, *record, file);
}

}  // namespace qvfileio
