#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 (the Windows variant of Shift-JIS) in which the data files are
// stored, through glibc iconv "CP932" (0x8160 is U+FF5E WAVE DASH's Windows
// form, the full-width tilde).
namespace cp932 {
// False when the system offers no converter for the code page; nothing can
// then be read or written faithfully.
bool available();
// Characters the code page cannot hold become "?", one per character; the rest
// of the text is kept.
QByteArray encode(const QString& text);
// Bytes that are not valid code page 932 become U+FFFD, one per byte, and
// decoding goes on with the next byte.
QString decode(const QByteArray& bytes);
} // namespace cp932
