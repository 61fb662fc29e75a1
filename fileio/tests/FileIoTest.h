// The fixture of the library's tests: each case works in a fresh folder of its own (the
// library's file names are relative to the current folder), and prepares files in the
// settings files' own encoding.
#pragma once

#include <string>

#include "FileContents.h"
#include "ScratchDir.h"

class FileIoTest : public testsupport::ScratchDirTest {
protected:
    // UTF-16 little-endian with the byte-order mark, from ASCII text.
    static std::string utf16File(const std::string& text) {
        std::string bytes = "\xFF\xFE";
        for (char c : text) {
            bytes += c;
            bytes += '\0';
        }
        return bytes;
    }
};
