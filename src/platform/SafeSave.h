#pragma once

#include <QByteArray>
#include <QString>

#include <functional>
#include <vector>

class QIODevice;

// How the bytes of a save reach the file being written; true when all of them went. Tests
// put a step here that fails part way.
using SaveWrite = std::function<bool(QIODevice& file, const QByteArray& bytes)>;

// Every byte in one checked write.
bool writeEveryByte(QIODevice& file, const QByteArray& bytes);

// Replaces a file whole with new bytes, or leaves it byte for byte as it was: written to a
// temporary file beside it and renamed over it once every byte is known to be on disk.
// Where the folder refuses a temporary file but the file itself is writable, the bytes are
// written in place, and the old bytes are put back if that fails.
bool saveWhole(const QString& path, const QByteArray& bytes, const SaveWrite& write = writeEveryByte);

struct FileBytes {
    QString path;
    QByteArray bytes;
};
// Replaces several files, or none: every new file is written beside its old one and known to
// be on disk before any is renamed into place, so a full disk leaves every old file as it was.
// Only the renames at the end could still fail part way. No direct-write fallback here.
bool saveAllWhole(const std::vector<FileBytes>& files, const SaveWrite& write = writeEveryByte);
