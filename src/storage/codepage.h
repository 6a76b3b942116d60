#pragma once

#include <QByteArray>
#include <QString>

// Data files are single-byte Windows-1254 text. The five bytes the code page leaves undefined
// decode to the C1 control of the same value, so every byte 0-255 survives a read and a write.
namespace kirveno {

QString decode1254(QByteArrayView bytes);
QByteArray encode1254(QStringView text);

// True when every character of the text has a byte of its own in the code page.
bool fitsCodePage(QStringView text);

// True when the text can be one line of a data file: it fits the code page and holds no line
// break or other control character. Texts the operator types into stored fields are refused
// otherwise, never stored as "?" or split over two lines.
bool fitsDataLine(QStringView text);

// Byte value of one character, or -1 when the code page cannot hold it.
int byteOf(QChar c);

} // namespace kirveno
