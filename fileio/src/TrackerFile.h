// The whole tracker settings file: defaults, read, write and single-block write.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "FileIoContext.h"
#include "qvfileio.h"

namespace qvfileio {

void setDefaultQvSettings(QvSettingsRecord& record);
// Reads the language's file (record.language resolved first).
int readQvSettings(FileIoContext& context, QvSettingsRecord& record);
// Reads from an explicit path; blocks missing there come from the language's file.
int readQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::u16string_view path);
// Reads from the bytes of a file; blocks missing there come from the language's file.
int readQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::span<const std::uint8_t> bytes);
// The file's bytes into a sink: 0 on success, non-zero when the sink failed.
std::vector<std::uint8_t> qvSettingsFileBytes(const QvSettingsRecord& record);
// Whole-file writes: 0 when the file cannot be created, else the completion result.
int writeQvSettings(FileIoContext& context, QvSettingsRecord& record);
int writeQvSettingsFrom(FileIoContext& context, QvSettingsRecord& record, std::u16string_view path);
int writeQvBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language);

}  // namespace qvfileio
