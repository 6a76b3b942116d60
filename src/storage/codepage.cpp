#include "codepage.h"

#include <array>

namespace kirveno {
namespace {

// 0x80-0x9F of Windows-1254; the undefined bytes stand for themselves.
constexpr std::array<char16_t, 32> high1254 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x008E, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x009E, 0x0178};

constexpr char16_t unicodeOf(unsigned char b)
{
    if (b < 0x80)
        return b;
    if (b < 0xA0)
        return high1254[b - 0x80];
    switch (b) { // the Turkish letters that replace Latin-1's Icelandic ones
    case 0xD0:
        return 0x011E;
    case 0xDD:
        return 0x0130;
    case 0xDE:
        return 0x015E;
    case 0xF0:
        return 0x011F;
    case 0xFD:
        return 0x0131;
    case 0xFE:
        return 0x015F;
    default:
        return b;
    }
}

constexpr std::array<char16_t, 256> makeTable()
{
    std::array<char16_t, 256> t{};
    for (int b = 0; b < 256; ++b)
        t[b] = unicodeOf(static_cast<unsigned char>(b));
    return t;
}

constexpr std::array<char16_t, 256> toUnicode = makeTable();

} // namespace

int byteOf(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return u;
    for (int b = 0x80; b < 256; ++b) {
        if (toUnicode[b] == u)
            return b;
    }
    return -1;
}

QString decode1254(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (char b : bytes)
        *out++ = QChar(toUnicode[static_cast<unsigned char>(b)]);
    return text;
}

QByteArray encode1254(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (QChar c : text) {
        const int b = byteOf(c);
        *out++ = static_cast<char>(b < 0 ? '?' : b);
    }
    return bytes;
}

bool fitsCodePage(QStringView text)
{
    for (QChar c : text) {
        if (byteOf(c) < 0)
            return false;
    }
    return true;
}

bool fitsDataLine(QStringView text)
{
    for (QChar c : text) {
        if (c.category() == QChar::Other_Control || byteOf(c) < 0)
            return false;
    }
    return true;
}

} // namespace kirveno
