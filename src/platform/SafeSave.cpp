#include "platform/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

bool writeInPlace(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray old = file.readAll();
    const auto replace = [&file](const QByteArray& content) {
        return file.seek(0) && file.write(content) == content.size() && file.resize(content.size()) &&
               file.flush();
    };
    if (replace(bytes))
        return true;
    replace(old);
    return false;
}

} // namespace

bool saveWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo target(path);
        return target.isFile() && target.isWritable() && writeInPlace(path, bytes);
    }
    // A full disk shows only when the buffered bytes go out: flushed and checked here, since
    // a commit after a failed flush would put an empty or short file in the old one's place.
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
