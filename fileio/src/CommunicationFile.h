// The whole communication settings file: defaults, read, write and single-block write.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "FileIoContext.h"
#include "qvfileio.h"

namespace qvfileio {

void setDefaultQvxSettings(QvxSettingsRecord& record);
int readQvxSettings(FileIoContext& context, QvxSettingsRecord& record);
int readQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::u16string_view path);
int readQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> qvxSettingsFileBytes(const QvxSettingsRecord& record);
int writeQvxSettings(FileIoContext& context, QvxSettingsRecord& record);
int writeQvxSettingsFrom(FileIoContext& context, QvxSettingsRecord& record, std::u16string_view path);
int writeQvxBlock(FileIoContext& context, std::int32_t block, const void* data, std::int32_t language);

}  // namespace qvfileio
