#include "platform/RecordFile.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace record_file {

Records records(const QByteArray& bytes, int recordSize)
{
    // A file too short to hold a count holds no records.
    if (bytes.size() < 4)
        return {};
    Records found;
    found.promised = qFromLittleEndian<quint32>(bytes.constData());
    const qsizetype present = (bytes.size() - 4) / recordSize;
    found.complete = static_cast<std::uint32_t>(std::min<qsizetype>(present, found.promised));
    found.first = bytes.constData() + 4;
    return found;
}

QByteArray withRoomFor(std::uint32_t count, int recordSize)
{
    QByteArray bytes(4 + qsizetype(recordSize) * qsizetype(count), '\0');
    qToLittleEndian<quint32>(count, bytes.data());
    return bytes;
}

std::string readText(const char* field, int size)
{
    const void* zero = std::memchr(field, '\0', static_cast<std::size_t>(size));
    const auto length = zero ? static_cast<const char*>(zero) - field : size;
    return std::string(field, static_cast<std::size_t>(length));
}

void writeText(char* field, int size, const std::string& text)
{
    std::memset(field, 0, static_cast<std::size_t>(size));
    std::memcpy(field, text.data(), std::min(text.size(), static_cast<std::size_t>(size - 1)));
}

std::optional<QByteArray> readWhole(const QString& path)
{
    // QFile refuses to open a folder, so a folder in the file's place counts as unreadable.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return bytes;
}

std::string damagedMessage(const std::string& fileName, std::uint32_t read, std::uint32_t promised,
                           const char* units)
{
    return fileName + " is damaged: only " + std::to_string(read) + " of " +
        std::to_string(promised) + " " + units + " could be read.";
}

} // namespace record_file
