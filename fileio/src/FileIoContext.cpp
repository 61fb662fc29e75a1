#include "FileIoContext.h"

#include "FileStreams.h"
#include "Languages.h"

namespace qvfileio {

namespace {
constexpr std::u16string_view kSectionWord = u"Section";
}  // namespace

std::u16string settingsFileName(FileKind kind, std::int32_t language) {
    switch (kind) {
        case FileKind::Tracker:
            return languageFileName(kTrackerPattern, language);
        case FileKind::Communication:
            return languageFileName(kCommunicationPattern, language);
        case FileKind::Labels:
            break;
    }
    return languageFileName(kLabelsPattern, language);
}

std::unique_ptr<TextReader> openTextFile(std::u16string_view path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return nullptr;
    }
    return std::make_unique<TextReader>(decodeFileText(*bytes));
}

std::unique_ptr<TextReader> openLegacyFile(std::u16string_view path) {
    auto bytes = readFileBytes(path);
    if (!bytes) {
        return nullptr;
    }
    return std::make_unique<TextReader>(decodeEightBit(*bytes));
}

void FileIoContext::beginSharedRead(std::unique_ptr<TextReader> file) {
    if (file) {
        m_file = std::move(file);
        m_sharedRead = true;
    }
}

void FileIoContext::endSharedRead() {
    m_sharedRead = false;
    m_file.reset();
}

void FileIoContext::closeUnlessShared() {
    if (!m_sharedRead) {
        m_file.reset();
    }
}

bool FileIoContext::conversionDone(FileKind kind) const {
    return kind == FileKind::Tracker ? m_trackerConverted : m_communicationConverted;
}

void FileIoContext::markConversionDone(FileKind kind) {
    (kind == FileKind::Tracker ? m_trackerConverted : m_communicationConverted) = true;
}

bool FileIoContext::findSection(std::u16string_view section) {
    m_file->rewind();
    std::u16string_view line;
    while (m_file->readWholeLine(line)) {
        // The first two words, split at spaces and tabs.
        std::u16string_view words[2];
        std::size_t pos = 0;
        for (auto& word : words) {
            while (pos < line.size() && isSpace(line[pos])) {
                ++pos;
            }
            std::size_t start = pos;
            while (pos < line.size() && !isSpace(line[pos])) {
                ++pos;
            }
            word = line.substr(start, pos - start);
        }
        if (words[0] == kSectionWord && words[1] == section) {
            return true;
        }
    }
    return false;
}

int FileIoContext::openBlock(std::u16string_view section, std::u16string_view legacy, std::int32_t language,
                             FileKind kind) {
    if (m_sharedRead && m_file) {
        m_file->rewind();
    } else {
        m_sharedRead = false;
        m_file = openTextFile(settingsFileName(kind, language));
    }

    int version = 0;
    if (m_file) {
        std::int32_t first = 0;
        m_file->readInt(first);
        version = first;
    } else {
        m_sharedRead = false;
        if (legacy.empty()) {
            return 0;
        }
        m_file = openLegacyFile(legacy);
        if (!m_file) {
            return 0;
        }
        if (kind != FileKind::Labels && !conversionDone(kind)) {
            runConversion(kind);
        }
        return 1;
    }

    if (version != 1 && !findSection(section)) {
        m_sharedRead = false;
        m_file.reset();
        return 0;
    }
    return version;
}

void FileIoContext::runConversion(FileKind kind) {
    markConversionDone(kind);
    auto savedFile = std::move(m_file);
    bool savedShared = m_sharedRead;
    m_sharedRead = false;
    if (kind == FileKind::Tracker) {
        convertTrackerFiles(*this);
    } else {
        convertCommunicationFiles(*this);
    }
    m_file = std::move(savedFile);
    m_sharedRead = savedShared;
}

}  // namespace qvfileio
