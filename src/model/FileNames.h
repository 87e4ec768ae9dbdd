#pragma once

// File names as the file system keeps them (bytes) and as the program handles them (text). Linux
// allows any bytes but "/" and NUL in a name, not only UTF-8: a byte that is not part of valid UTF-8
// becomes a lone surrogate (U+DC80 to U+DCFF) in the text, as Python's "surrogateescape" does, so that
// the name still finds its file, and tells that it cannot be sent anywhere as UTF-8 text.

#include <QByteArray>
#include <QString>
#include <QUrl>

namespace FileNames {

QString decode(const QByteArray& name);
QByteArray encode(const QString& name);
// False for a name that came from bytes that are not UTF-8.
bool isUtf8(const QString& name);
// Whether the unit at `at` stands for a byte that is not UTF-8.
bool isEscapedByte(const QString& name, qsizetype at);
// QUrl::fromLocalFile() of an absolute path, the same address made more quickly where the path holds
// nothing Qt would have to encode first: a rerun makes one for each of tens of thousands of files.
QUrl localUrl(const QString& absolutePath);

} // namespace FileNames
