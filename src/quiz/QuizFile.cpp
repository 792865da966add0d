#include "quiz/QuizFile.h"

#include "platform/SafeSave.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace quiz_file {

namespace {

std::string textField(const char* field)
{
    const void* zero = std::memchr(field, '\0', textFieldSize);
    const auto length = zero ? static_cast<const char*>(zero) - field : textFieldSize;
    return std::string(field, static_cast<std::size_t>(length));
}

void putTextField(char* field, const std::string& text)
{
    // The bytes after the terminator are zero, so a file's content depends on the quiz only.
    std::memset(field, 0, textFieldSize);
    std::memcpy(field, text.data(), std::min(text.size(), std::size_t(textFieldSize - 1)));
}

} // namespace

ReadResult parse(const QByteArray& bytes)
{
    ReadResult result;
    result.opened = true;
    // A file too short to hold a count holds no sentences.
    if (bytes.size() < 4)
        return result;
    result.promised = qFromLittleEndian<quint32>(bytes.constData());
    // Bounded by the bytes present, so an absurd count cannot make us allocate.
    const qsizetype present = (bytes.size() - 4) / recordSize;
    const auto complete =
        static_cast<std::uint32_t>(std::min<qsizetype>(present, result.promised));

    result.sentences.reserve(complete);
    const char* record = bytes.constData() + 4;
    for (std::uint32_t i = 0; i < complete; ++i, record += recordSize) {
        // TSentence cuts a text that fills its field without a terminator to 99 characters.
        result.sentences.emplace_back(textField(record),
                                      qFromLittleEndian<qint32>(record + textFieldSize));
    }
    return result;
}

ReadResult read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return parse(file.readAll());
}

QByteArray serialize(const SentenceList& sentences)
{
    QByteArray bytes(4 + qsizetype(recordSize) * qsizetype(sentences.size()), '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(sentences.size()), bytes.data());
    char* record = bytes.data() + 4;
    for (const TSentence& sentence : sentences) {
        putTextField(record, sentence.text);
        qToLittleEndian<qint32>(sentence.isCompound, record + textFieldSize);
        record += recordSize;
    }
    return bytes;
}

bool write(QIODevice& device, const SentenceList& sentences)
{
    const QByteArray bytes = serialize(sentences);
    return device.write(bytes) == bytes.size();
}

bool save(const QString& path, const SentenceList& sentences)
{
    return saveWhole(path, serialize(sentences));
}

} // namespace quiz_file
