#include "FileStreams.h"

#include "AtomicFile.h"
#include "RegularFile.h"

namespace qvfileio {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// What a write means to the library's callers: "cannot be created" is 0 with nothing written,
// as it always was; only a write that started and failed is reported.
int writeResultOf(support::WriteStatus status) {
    switch (status) {
        case support::WriteStatus::Ok:
        case support::WriteStatus::CannotOpen:
            return 0;
        case support::WriteStatus::NoSpace:
        case support::WriteStatus::Failed:
            break;
    }
    return kWriteFailed;
}

}  // namespace

std::string nativePath(std::u16string_view path) {
    std::string out;
    out.reserve(path.size());
    for (std::size_t i = 0; i < path.size(); ++i) {
        char32_t c = path[i];
        if (c == u'\\') {
            c = u'/';
        } else if (c >= 0xD800 && c <= 0xDBFF && i + 1 < path.size() && path[i + 1] >= 0xDC00 &&
                   path[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (path[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacement;
        }
        appendUtf8(out, c);
    }
    return out;
}

std::optional<std::vector<std::uint8_t>> readFileBytes(std::u16string_view path) {
    support::FileBytes file = support::ReadRegularFile(nativePath(path), kMaxFileBytes);
    if (file.status != support::ReadStatus::Ok) {
        return std::nullopt;
    }
    return std::move(file.bytes);
}

int writeFileBytes(std::u16string_view path, std::span<const std::uint8_t> bytes) {
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return writeResultOf(support::WriteFileAtomically(nativePath(path), text));
}

}  // namespace qvfileio
