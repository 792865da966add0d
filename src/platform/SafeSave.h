#pragma once

#include <QByteArray>
#include <QString>

// Replaces a file whole with new bytes, or leaves it byte for byte as it was: written to a
// temporary file beside it and renamed over it once every byte is known to be on disk.
// Where the folder refuses a temporary file but the file itself is writable, the bytes are
// written in place, and the old bytes are put back if that fails.
bool saveWhole(const QString& path, const QByteArray& bytes);
