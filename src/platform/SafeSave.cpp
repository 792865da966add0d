#include "platform/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

bool writeInPlace(const QString& path, const QByteArray& bytes, const SaveWrite& write)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const QByteArray old = file.readAll();
    const auto replace = [&file](const QByteArray& content, const SaveWrite& step) {
        return file.seek(0) && step(file, content) && file.resize(content.size()) && file.flush();
    };
    if (replace(bytes, write))
        return true;
    replace(old, writeEveryByte);
    return false;
}

} // namespace

bool writeEveryByte(QIODevice& file, const QByteArray& bytes)
{
    return file.write(bytes) == bytes.size();
}

bool saveAllWhole(const std::vector<FileBytes>& files, const SaveWrite& write)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    bool written = true;
    for (const FileBytes& file : files) {
        auto& out = pending.emplace_back(std::make_unique<QSaveFile>(file.path));
        written = out->open(QIODevice::WriteOnly) && write(*out, file.bytes) && out->flush();
        if (!written)
            break;
    }
    if (!written) {
        for (auto& out : pending)
            out->cancelWriting();
        return false;
    }
    bool committed = true;
    for (auto& out : pending)
        committed = out->commit() && committed;
    return committed;
}

bool saveWhole(const QString& path, const QByteArray& bytes, const SaveWrite& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        const QFileInfo target(path);
        return target.isFile() && target.isWritable() && writeInPlace(path, bytes, write);
    }
    // A full disk shows only when the buffered bytes go out: flushed and checked here, since
    // a commit after a failed flush would put an empty or short file in the old one's place.
    if (!write(file, bytes) || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
