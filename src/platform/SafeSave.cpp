#include "platform/SafeSave.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <memory>

namespace {

// Every file is written unbuffered: Qt's own buffer meets a full disk only at the flush, and a
// flush that gets part of its bytes out fails without the system's words.
constexpr QIODevice::OpenMode unbuffered = QIODevice::Unbuffered;

// Why a write step, or the flush after it, stopped: the device's own words when it recorded
// an error (a full disk shows here), otherwise the step stopped short of the end by itself.
QString stopReason(const QFileDevice& file)
{
    if (file.error() != QFileDevice::NoError)
        return file.errorString();
    return QStringLiteral("only part of the file could be written");
}

SaveOutcome writeInPlace(const QString& path, const QByteArray& bytes, const SaveWrite& write)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite | unbuffered))
        return SaveOutcome::failed(file.errorString());
    const QByteArray old = file.readAll();
    const auto replace = [&file](const QByteArray& content, const SaveWrite& step) {
        return file.seek(0) && step(file, content) && file.resize(content.size()) && file.flush();
    };
    if (replace(bytes, write))
        return {};
    // Taken before the old bytes go back: a seek that works clears the file's error.
    const SaveOutcome failure = SaveOutcome::failed(stopReason(file));
    replace(old, writeEveryByte);
    return failure;
}

} // namespace

SaveOutcome SaveOutcome::failed(const QString& reason)
{
    SaveOutcome outcome;
    outcome.why = reason.isEmpty() ? QStringLiteral("the file could not be written") : reason;
    return outcome;
}

bool writeEveryByte(QIODevice& file, const QByteArray& bytes)
{
    // A disk that fills part way takes what fits and reports no error; only writing the rest
    // makes the device refuse and say why.
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 taken = file.write(bytes.constData() + written, bytes.size() - written);
        if (taken <= 0)
            return false;
        written += taken;
    }
    return true;
}

SaveOutcome saveAllWhole(const std::vector<FileBytes>& files, const SaveWrite& write)
{
    std::vector<std::unique_ptr<QSaveFile>> pending;
    SaveOutcome outcome;
    for (const FileBytes& file : files) {
        auto& out = pending.emplace_back(std::make_unique<QSaveFile>(file.path));
        if (!out->open(QIODevice::WriteOnly | unbuffered))
            outcome = SaveOutcome::failed(out->errorString());
        else if (!write(*out, file.bytes) || !out->flush())
            outcome = SaveOutcome::failed(stopReason(*out));
        if (!outcome)
            break;
    }
    if (!outcome) {
        for (auto& out : pending)
            out->cancelWriting();
        return outcome;
    }
    for (auto& out : pending) {
        if (!out->commit() && outcome)
            outcome = SaveOutcome::failed(out->errorString());
    }
    return outcome;
}

SaveOutcome saveWhole(const QString& path, const QByteArray& bytes, const SaveWrite& write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | unbuffered)) {
        const QFileInfo target(path);
        if (target.isFile() && target.isWritable())
            return writeInPlace(path, bytes, write);
        return SaveOutcome::failed(file.errorString());
    }
    // Checked before the commit, which would put an empty or short file in the old one's place.
    if (!write(file, bytes) || !file.flush()) {
        // Taken before cancelling, which puts its own words in the file's error.
        const SaveOutcome failure = SaveOutcome::failed(stopReason(file));
        file.cancelWriting();
        return failure;
    }
    if (!file.commit())
        return SaveOutcome::failed(file.errorString());
    return {};
}
