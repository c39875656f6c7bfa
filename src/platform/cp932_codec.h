#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <vector>

// Code page 932 (the Windows variant of Shift-JIS) in which the data files are
// stored, through glibc iconv "CP932" (0x8160 is U+FF5E WAVE DASH's Windows
// form, the full-width tilde).
namespace cp932 {
// False when the system offers no converter for the code page; nothing can
// then be read or written faithfully.
bool available();
// Characters the code page cannot hold become "?", one per character; the rest
// of the text is kept. When `lost` is given, it receives each character that
// became "?", once, in the order of the text.
QByteArray encode(const QString& text, QString* lost = nullptr);
// Bytes that are not valid code page 932 become U+FFFD, one per byte, and
// decoding goes on with the next byte. When `exact` is given, it tells whether
// encoding the text gives these very bytes back: false after an invalid byte,
// and after a character the code page holds twice (0xED40 and 0xFA5C are both
// U+7E8A) in the form the encoder does not write.
QString decode(QByteArrayView bytes, bool* exact = nullptr);
// For each character of decode(bytes), the number of bytes it was read from.
std::vector<int> charLengths(QByteArrayView bytes);
} // namespace cp932
