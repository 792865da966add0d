#include "catalogue/ListFileGuard.h"

#include "platform/RecordFile.h"
#include "platform/SafeSave.h"

#include <QHashFunctions>

FileFingerprint FileFingerprint::of(const QByteArray& bytes)
{
    // The guard looks for another program's save, not for an attacker, and the fingerprint
    // never leaves this run: Qt's byte hash reads every byte at memory speed (SHA-256 took
    // three times as long as the load it guards), and two independently seeded 64-bit
    // hashes with the size beside them leave no practical chance that changed bytes match.
    FileFingerprint print;
    print.file = true;
    print.size = bytes.size();
    print.hash = {qHashBits(bytes.constData(), std::size_t(bytes.size()), 0x5bd1e995u),
                  qHashBits(bytes.constData(), std::size_t(bytes.size()), 0x9e3779b97f4a7c15u)};
    return print;
}

bool changedElsewhere(const FileFingerprint& known, const std::optional<QByteArray>& now)
{
    if (!now)
        return false;
    return FileFingerprint::of(*now) != known;
}


catalogue_file::ReadResult ListFileGuard::load()
{
    const std::optional<QByteArray> bytes = record_file::readWhole(filePath);
    if (!bytes) {
        known = FileFingerprint();
        return {};
    }
    known = FileFingerprint::of(*bytes);
    return catalogue_file::parse(*bytes);
}

bool ListFileGuard::changedElsewhere() const
{
    return ::changedElsewhere(known, record_file::readWhole(filePath));
}

SaveResult ListFileGuard::save(const IonList& list)
{
    if (changedElsewhere())
        return SaveResult::ChangedElsewhere;
    return write(list);
}

SaveResult ListFileGuard::write(const IonList& list)
{
    const QByteArray bytes = catalogue_file::serialize(list);
    if (!saveWhole(filePath, bytes))
        return SaveResult::Failed;
    known = FileFingerprint::of(bytes);
    return SaveResult::Saved;
}

BothSaved saveBoth(ListFileGuard& cationFile, const IonList& cations, ListFileGuard& anionFile,
                   const IonList& anions)
{
    const bool cationsChanged = cationFile.changedElsewhere();
    const bool anionsChanged = anionFile.changedElsewhere();
    if (cationsChanged || anionsChanged) {
        return {cationsChanged ? SaveResult::ChangedElsewhere : SaveResult::NotWritten,
                anionsChanged ? SaveResult::ChangedElsewhere : SaveResult::NotWritten};
    }
    // Cations first; a failure of one does not stop the other.
    const SaveResult cationResult = cationFile.write(cations);
    return {cationResult, anionFile.write(anions)};
}
