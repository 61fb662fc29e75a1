// File names as the file system gives them. Lumora's own files (drawings, pictures) keep their
// names byte for byte: a name that is not valid UTF-8, or that holds a backslash, is still a
// name that can be listed, opened and deleted.
//
// A name travels inside the program as a QString. Valid UTF-8 decodes as usual; every byte that
// is not part of valid UTF-8 becomes the lone surrogate U+DC00 + byte, which no valid UTF-8 name
// can produce, so the conversion back gives the very same bytes. Such strings are for the file
// system only: hand them to NativeFileName() before any system call, never to QFile or QDir,
// which would turn the escaped bytes into replacement characters.
//
// Pure functions; any thread.
#pragma once

#include <QByteArray>
#include <QString>
#include <string>

namespace lumora {

// The name or path bytes from the file system as a QString that converts back unchanged.
QString FileNameFromNative(const QByteArray& native);

// The bytes of a name or path made by FileNameFromNative() (or typed in the program).
QByteArray NativeFileName(const QString& name);

// The same as a std::string, for the support library's file functions.
std::string NativePath(const QString& path);

}  // namespace lumora
