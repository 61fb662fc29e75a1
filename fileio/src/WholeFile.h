// Steps shared by the whole-file reads and writes of every kind of settings file.
#pragma once

#include <cstdint>
#include <string_view>

#include "ByteStream.h"
#include "FileIoContext.h"
#include "SettingsWriter.h"

namespace qvfileio {

// Opens path as the shared file of a whole-file read and takes the language from its language
// line when that names one (language left as it is otherwise).
void beginWholeFileRead(FileIoContext& context, std::u16string_view path, std::int32_t& language);
// The same with a file already opened (null: none).
void beginWholeFileRead(FileIoContext& context, std::unique_ptr<TextReader> file, std::int32_t& language);
// Closes the shared file if the read still holds it.
void endWholeFileRead(FileIoContext& context);
// The byte-order mark, the version line and the language line.
void writeFileHeader(SettingsWriter& writer, std::int32_t language);
// Writes the bytes to a new file at path: 0 when it cannot be created, else the completion result.
int writeWholeFile(FileIoContext& context, const SettingsWriter& writer, std::u16string_view path);

}  // namespace qvfileio
