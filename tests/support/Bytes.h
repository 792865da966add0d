#pragma once

#include <QByteArray>

#include <cstdint>

// File bytes made by hand, independent of the program's own writers.

// A 32-bit count or flag as the files store it: little-endian.
inline QByteArray le32(std::uint32_t value)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char((value >> (8 * i)) & 0xFF);
    return bytes;
}

// One 104-byte quiz file record: the text cut to 100, its zero byte if it fits, the filler up
// to 100, then the flag.
inline QByteArray quizRecord(const QByteArray& text, std::int32_t isCompound, char filler = '\0')
{
    QByteArray field = text.left(100);
    if (field.size() < 100)
        field += '\0';
    return field.leftJustified(100, filler) + le32(static_cast<std::uint32_t>(isCompound));
}
