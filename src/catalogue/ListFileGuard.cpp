#include "catalogue/ListFileGuard.h"

#include "platform/SafeSave.h"

#include <QCryptographicHash>
#include <QFile>

FileFingerprint FileFingerprint::of(const QByteArray& bytes)
{
    FileFingerprint print;
    print.file = true;
    print.size = bytes.size();
    print.hash = QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
    return print;
}

bool changedElsewhere(const FileFingerprint& known, const std::optional<QByteArray>& now)
{
    if (!now)
        return false;
    return FileFingerprint::of(*now) != known;
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

catalogue_file::ReadResult ListFileGuard::load()
{
    const std::optional<QByteArray> bytes = readWhole(filePath);
    if (!bytes) {
        known = FileFingerprint();
        return {};
    }
    known = FileFingerprint::of(*bytes);
    return catalogue_file::parse(*bytes);
}

bool ListFileGuard::changedElsewhere() const
{
    return ::changedElsewhere(known, readWhole(filePath));
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
