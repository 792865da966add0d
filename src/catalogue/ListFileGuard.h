#pragma once

#include "catalogue/CatalogueFile.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>

// What a list file held when this program last read or wrote it: the size and a hash of its
// bytes, or no file at all.
class FileFingerprint {
public:
    // No file: it could not be read.
    FileFingerprint() = default;
    static FileFingerprint of(const QByteArray& bytes);

    bool isFile() const { return file; }

    friend bool operator==(const FileFingerprint&, const FileFingerprint&) = default;

private:
    bool file = false;
    qint64 size = 0;
    std::pair<std::size_t, std::size_t> hash;
};

// Whether a list file's bytes as they are now show a change by another program: different
// bytes, or a file where none was known. A file that cannot be read now (nullopt) is no
// change: the save goes ahead and reports its own failure if it has one.
bool changedElsewhere(const FileFingerprint& known, const std::optional<QByteArray>& now);

enum class SaveResult {
    Saved,
    Failed,           // the old file is left as it was
    ChangedElsewhere, // nothing written: another program changed the file
    NotWritten,       // nothing written: the other list's file was changed elsewhere
};

// One list file and what this program last knew of it, so that a save never replaces entries
// that another copy of the program wrote meanwhile.
class ListFileGuard {
public:
    explicit ListFileGuard(QString path) : filePath(std::move(path)) {}

    // Reads the list, and remembers its bytes or that there was no file.
    catalogue_file::ReadResult load();
    // Whether the file is no longer what was last read or written here.
    bool changedElsewhere() const;
    // Refused when the file was changed elsewhere; otherwise written whole.
    SaveResult save(const IonList& list);
    // Written whole without the check; the fingerprint follows only a successful write.
    SaveResult write(const IonList& list);

    const FileFingerprint& fingerprint() const { return known; }

private:
    QString filePath;
    FileFingerprint known;
};

// Both lists, after a sort: both files are checked before either is written, so a refused
// sort leaves both files as they were.
struct BothSaved {
    SaveResult cations;
    SaveResult anions;

    bool refused() const
    {
        return cations == SaveResult::ChangedElsewhere || anions == SaveResult::ChangedElsewhere;
    }
};
BothSaved saveBoth(ListFileGuard& cationFile, const IonList& cations, ListFileGuard& anionFile,
                   const IonList& anions);
