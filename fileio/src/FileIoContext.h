// The library-wide read state: the file being read, the shared read of a whole-file read, and
// the once-per-process conversion of the older per-block files. One context serves one thread
// at a time; the exports use a single process-wide context.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "TextReader.h"

namespace qvfileio {

// Which per-language file a block lives in.
enum class FileKind { Tracker, Communication, Labels };

constexpr std::u16string_view kTrackerPattern = u"QVSettings\\Settings_%s.qv";
constexpr std::u16string_view kCommunicationPattern = u"QVXSettings\\Settings_%s.qvx";
constexpr std::u16string_view kLabelsPattern = u"QVXSettings\\Labels_%s.qvx";

std::u16string settingsFileName(FileKind kind, std::int32_t language);

// Opens a file for reading: UTF-16 after a byte-order mark, 8-bit text otherwise. Nothing when
// the file cannot be opened.
std::unique_ptr<TextReader> openTextFile(std::u16string_view path);
// Opens an older per-block file, always 8-bit text.
std::unique_ptr<TextReader> openLegacyFile(std::u16string_view path);

class FileIoContext {
public:
    // The file that block readers read; null when none is open.
    TextReader* file() const { return m_file.get(); }
    bool sharedRead() const { return m_sharedRead; }

    // Starts a whole-file read on an opened file (no-op for null).
    void beginSharedRead(std::unique_ptr<TextReader> file);
    // Ends a shared read and closes its file.
    void endSharedRead();
    // Closes the current file unless a shared read holds it.
    void closeUnlessShared();
    // Replaces the current file (a reader that moves on to another older file).
    void setFile(std::unique_ptr<TextReader> file) { m_file = std::move(file); }

    // Positions file() on the first line of a block and returns its version: 0 found nowhere,
    // 1 its older file (legacy may be empty: no older file), 2 and above the settings file's.
    // Settings blocks that fall back to their older file start the conversion of their kind.
    int openBlock(std::u16string_view section, std::u16string_view legacy, std::int32_t language, FileKind kind);
    // A block's whole read: openBlock, then decode(TextReader& file, int version) when the block
    // was found in an open file, then closeUnlessShared. Returns the block's version.
    template <typename Decode>
    int readBlock(std::u16string_view section, std::u16string_view legacy, std::int32_t language, FileKind kind,
                  Decode&& decode) {
        int version = openBlock(section, legacy, language, kind);
        if (version != 0 && m_file) {
            decode(*m_file, version);
        }
        closeUnlessShared();
        return version;
    }

    bool conversionDone(FileKind kind) const;
    // Marks a conversion as already run (for callers that want none to happen).
    void markConversionDone(FileKind kind);

private:
    void runConversion(FileKind kind);
    bool findSection(std::u16string_view section);

    std::unique_ptr<TextReader> m_file;
    bool m_sharedRead = false;
    bool m_trackerConverted = false;
    bool m_communicationConverted = false;
};

// Runs the one-time conversion of a kind: reads a whole record of that kind for the current
// language (every block from its older file) and writes it as the new settings file.
void convertTrackerFiles(FileIoContext& context);
void convertCommunicationFiles(FileIoContext& context);

}  // namespace qvfileio
