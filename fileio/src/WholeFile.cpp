#include "WholeFile.h"

#include <cstring>
#include <vector>

#include "FileStreams.h"
#include "Languages.h"
#include "qvfileio.h"

namespace qvfileio {

namespace {
constexpr std::size_t kLanguageLineCapacity = 8;
}  // namespace

void beginWholeFileRead(FileIoContext& context, std::u16string_view path, std::int32_t& language) {
    beginWholeFileRead(context, openTextFile(path), language);
}

void beginWholeFileRead(FileIoContext& context, std::span<const std::uint8_t> bytes, std::int32_t& language) {
    beginWholeFileRead(context, std::make_unique<TextReader>(decodeFileText(bytes)), language);
}

void beginWholeFileRead(FileIoContext& context, std::unique_ptr<TextReader> file, std::int32_t& language) {
    context.beginSharedRead(std::move(file));
    if (!context.sharedRead()) {
        return;
    }
    TextReader& in = *context.file();
    in.rewind();
    in.skipLine();
    char16_t line[kLanguageLineCapacity] = {};
    in.readText(line, kLanguageLineCapacity);
    languageFromDichar(std::u16string_view(line, boundedLength(line, kLanguageLineCapacity)), language);
}

void endWholeFileRead(FileIoContext& context) {
    if (context.sharedRead()) {
        context.endSharedRead();
    }
}

void writeFileHeader(SettingsWriter& writer, std::int32_t language) {
    writer.byteOrderMark();
    writer.intLine(QV_FILE_FORMAT_VERSION, u"File Format Version");
    std::u16string line(languageCode(language));
    line += u"\t\t";
    line += languageName(language);
    writer.textLine(line);
}

int writeWholeFile(FileIoContext& context, const SettingsWriter& writer, std::u16string_view path) {
    int result = writeFileBytes(path, writer.bytes());
    endWholeFileRead(context);
    return result;
}

void replaceBlock(std::span<const BlockSlot> slots, std::int32_t block, const void* data) {
    for (const BlockSlot& slot : slots) {
        if (slot.block == block) {
            std::memcpy(slot.target, data, slot.size);
            return;
        }
    }
}

}  // namespace qvfileio
