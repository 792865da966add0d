#include "catalogue/CatalogueFile.h"

#include "platform/RecordFile.h"

#include <QtEndian>

namespace catalogue_file {

ReadResult parse(const QByteArray& bytes)
{
    const record_file::Records found = record_file::records(bytes, recordSize);
    std::vector<TIon> ions;
    ions.reserve(found.complete);
    const char* record = found.first;
    for (std::uint32_t i = 0; i < found.complete; ++i, record += recordSize) {
        // Read straight to the entry's limits: a text ends at its first zero byte or at 19
        // (name) and 14 (symbol) characters, as TIon would cut it, with no second pass.
        TIon& ion = ions.emplace_back();
        ion.name = record_file::readText(record, TIon::maxNameLength);
        ion.symbol = record_file::readText(record + nameFieldSize, TIon::maxSymbolLength);
        ion.charge = qFromLittleEndian<qint32>(record + nameFieldSize + symbolFieldSize);
    }
    return {true, IonList(std::move(ions)), found.promised};
}

ReadResult read(const QString& path)
{
    const std::optional<QByteArray> bytes = record_file::readWhole(path);
    return bytes ? parse(*bytes) : ReadResult{};
}

QByteArray serialize(const IonList& ions)
{
    QByteArray bytes = record_file::withRoomFor(ions.count(), recordSize);
    char* record = bytes.data() + 4;
    for (const TIon& ion : ions) {
        record_file::writeText(record, nameFieldSize, ion.name);
        record_file::writeText(record + nameFieldSize, symbolFieldSize, ion.symbol);
        qToLittleEndian<qint32>(ion.charge, record + nameFieldSize + symbolFieldSize);
        record += recordSize;
    }
    return bytes;
}

SaveOutcome save(const QString& path, const IonList& ions, const SaveWrite& write)
{
    return saveWhole(path, serialize(ions), write);
}

std::string damagedMessage(const char* fileName, std::uint32_t read, std::uint32_t promised)
{
    return record_file::damagedMessage(fileName, read, promised, "entries");
}

} // namespace catalogue_file
