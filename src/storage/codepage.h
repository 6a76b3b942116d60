#pragma once

#include <QByteArray>
#include <QString>

// Data files are single-byte Windows-1254 text. The five bytes the code page leaves undefined
// decode to the C1 control of the same value, so every byte 0-255 survives a read and a write.
namespace kirveno {

QString decode1254(QByteArrayView bytes);
QByteArray encode1254(QStringView text);

// True when every character of the text has a byte of its own in the code page; texts the
// operator types into stored fields are refused otherwise, never stored as "?".
bool fitsCodePage(QStringView text);

// Byte value of one character, or -1 when the code page cannot hold it.
int byteOf(QChar c);

} // namespace kirveno
