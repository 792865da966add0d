#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QIODevice;

// Whether a save put every byte where it belongs and, when not, why, in words a user can act
// on ("No space left on device"). A failure always says why, even where the system gave no
// words, so an empty reason can never stand for one.
class [[nodiscard]] SaveOutcome {
public:
    SaveOutcome() = default;
    static SaveOutcome failed(const QString& reason);

    bool ok() const { return why.isEmpty(); }
    explicit operator bool() const { return ok(); }
    // Empty when the save went through.
    const QString& error() const { return why; }

private:
    QString why;
};

// How the bytes of a save reach the file being written; true when all of them went. Tests
// put a step here that fails part way.
using SaveWrite = std::function<bool(QIODevice& file, const QByteArray& bytes)>;

// Every byte, checked.
bool writeEveryByte(QIODevice& file, const QByteArray& bytes);

// Replaces a file whole with new bytes, or leaves it byte for byte as it was: written to a
// temporary file beside it and renamed over it once every byte is known to be on disk.
// Where the folder refuses a temporary file but the file itself is writable, the bytes are
// written in place, and the old bytes are put back if that fails.
SaveOutcome saveWhole(const QString& path, const QByteArray& bytes,
                      const SaveWrite& write = writeEveryByte);

struct FileBytes {
    QString path;
    QByteArray bytes;
};
// Replaces several files, or none: every new file is written beside its old one and known to
// be on disk before any is renamed into place, so a full disk leaves every old file as it was.
// Only the renames at the end could still fail part way. No direct-write fallback here.
SaveOutcome saveAllWhole(const std::vector<FileBytes>& files,
                         const SaveWrite& write = writeEveryByte);
