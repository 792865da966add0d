#pragma once

#include <QString>

#include <string>

// The program's texts are single bytes, shown and edited as Latin-1: one character a byte,
// zero bytes included.
inline QString fromLatin1Bytes(const std::string& bytes)
{
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

// Characters beyond Latin-1 become '?', as Qt converts them.
inline std::string toLatin1Bytes(const QString& text)
{
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
