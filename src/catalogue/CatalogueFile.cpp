#include "catalogue/CatalogueFile.h"

#include "platform/SafeSave.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace catalogue_file {

namespace {

std::string textField(const char* field, int size)
{
    const void* zero = std::memchr(field, '\0', static_cast<std::size_t>(size));
    const auto length = zero ? static_cast<const char*>(zero) - field : size;
    return std::string(field, static_cast<std::size_t>(length));
}

void putTextField(char* field, int size, const std::string& text)
{
    // The bytes after the terminator are zero, so a file's content depends on the list only.
    std::memset(field, 0, static_cast<std::size_t>(size));
    std::memcpy(field, text.data(), std::min(text.size(), static_cast<std::size_t>(size - 1)));
}

} // namespace

ReadResult parse(const QByteArray& bytes)
{
    ReadResult result;
    result.opened = true;
    // A file too short to hold a count holds no entries.
    if (bytes.size() < 4)
        return result;
    result.promised = qFromLittleEndian<quint32>(bytes.constData());
    const qsizetype present = (bytes.size() - 4) / recordSize;
    const auto complete =
        static_cast<std::uint32_t>(std::min<qsizetype>(present, result.promised));

    std::vector<TIon> ions;
    ions.reserve(complete);
    const char* record = bytes.constData() + 4;
    for (std::uint32_t i = 0; i < complete; ++i, record += recordSize) {
        ions.emplace_back(textField(record, nameFieldSize),
                          textField(record + nameFieldSize, symbolFieldSize),
                          qFromLittleEndian<qint32>(record + nameFieldSize + symbolFieldSize));
    }
    result.ions = IonList(std::move(ions));
    return result;
}

ReadResult read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

QByteArray serialize(const IonList& ions)
{
    QByteArray bytes(4 + qsizetype(recordSize) * ions.count(), '\0');
    qToLittleEndian<quint32>(ions.count(), bytes.data());
    char* record = bytes.data() + 4;
    for (const TIon& ion : ions) {
        putTextField(record, nameFieldSize, ion.name);
        putTextField(record + nameFieldSize, symbolFieldSize, ion.symbol);
        qToLittleEndian<qint32>(ion.charge, record + nameFieldSize + symbolFieldSize);
        record += recordSize;
    }
    return bytes;
}

bool write(QIODevice& device, const IonList& ions)
{
    const QByteArray bytes = serialize(ions);
    return device.write(bytes) == bytes.size();
}

bool save(const QString& path, const IonList& ions)
{
    return saveWhole(path, serialize(ions));
}

} // namespace catalogue_file
