#pragma once

#include <QByteArray>
#include <QString>

// Turns the bytes of an import file into text: a byte-order mark decides (UTF-8, UTF-16 LE/BE);
// otherwise strictly valid UTF-8 is read as such, and anything else as Windows-1252.
namespace TextDecoder {

QString decode(const QByteArray &bytes);
// No overlong forms, no surrogates, nothing above U+10FFFF, no truncated sequence.
bool isStrictUtf8(const QByteArray &bytes);
QString fromWindows1252(const QByteArray &bytes);

} // namespace TextDecoder
