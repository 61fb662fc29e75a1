#include "files/FileNames.h"

#include <cstdint>

namespace lumora {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;
constexpr char16_t kEscapeFirst = 0xDC80;  // bytes below 0x80 are always valid UTF-8
constexpr char16_t kEscapeLast = 0xDCFF;

// The length of the valid UTF-8 sequence at p (at most `left` bytes), or 0 when the bytes there
// are not one: overlong forms, surrogates and values past U+10FFFF count as invalid, as in a
// strict decoder, so that every accepted sequence re-encodes to the same bytes.
int ValidSequence(const std::uint8_t* p, qsizetype left, char32_t& code) {
    const std::uint8_t b = p[0];
    int length = 0;
    char32_t min = 0;
    if (b < 0x80) {
        code = b;
        return 1;
    } else if ((b & 0xE0) == 0xC0) {
        length = 2;
        code = b & 0x1F;
        min = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        length = 3;
        code = b & 0x0F;
        min = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        length = 4;
        code = b & 0x07;
        min = 0x10000;
    } else {
        return 0;
    }
    if (left < length)
        return 0;
    for (int i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (p[i] & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void AppendUtf8(QByteArray& out, char32_t c) {
    if (c < 0x80) {
        out.append(char(c));
    } else if (c < 0x800) {
        out.append(char(0xC0 | (c >> 6)));
        out.append(char(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.append(char(0xE0 | (c >> 12)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    } else {
        out.append(char(0xF0 | (c >> 18)));
        out.append(char(0x80 | ((c >> 12) & 0x3F)));
        out.append(char(0x80 | ((c >> 6) & 0x3F)));
        out.append(char(0x80 | (c & 0x3F)));
    }
}

}  // namespace

QString FileNameFromNative(const QByteArray& native) {
    QString out;
    out.reserve(native.size());
    const auto* p = reinterpret_cast<const std::uint8_t*>(native.constData());
    const qsizetype n = native.size();
    for (qsizetype i = 0; i < n;) {
        char32_t code = 0;
        const int length = ValidSequence(p + i, n - i, code);
        if (length == 0) {
            out.append(QChar(char16_t(kEscapeBase + p[i])));
            ++i;
            continue;
        }
        if (code >= 0x10000) {
            const char32_t v = code - 0x10000;
            out.append(QChar(char16_t(0xD800 + (v >> 10))));
            out.append(QChar(char16_t(0xDC00 + (v & 0x3FF))));
        } else {
            out.append(QChar(char16_t(code)));
        }
        i += length;
    }
    return out;
}

QByteArray NativeFileName(const QString& name) {
    QByteArray out;
    out.reserve(name.size());
    const qsizetype n = name.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = name[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < n && QChar::isLowSurrogate(name[i + 1].unicode())) {
            AppendUtf8(out, QChar::surrogateToUcs4(u, name[i + 1].unicode()));
            ++i;
        } else if (u >= kEscapeFirst && u <= kEscapeLast) {
            out.append(char(u - kEscapeBase));
        } else if (QChar::isSurrogate(u)) {
            // A lone surrogate that is no escaped byte has no bytes of its own.
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, u);
        }
    }
    return out;
}

std::string NativePath(const QString& path) {
    const QByteArray bytes = NativeFileName(path);
    return std::string(bytes.constData(), std::size_t(bytes.size()));
}

}  // namespace lumora
