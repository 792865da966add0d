#include "quiz/QuizFile.h"

#include "platform/RecordFile.h"

#include <QtEndian>

namespace quiz_file {

ReadResult parse(const QByteArray& bytes)
{
    const record_file::Records found = record_file::records(bytes, recordSize);
    ReadResult result{true, {}, found.promised};
    result.sentences.reserve(found.complete);
    const char* record = found.first;
    for (std::uint32_t i = 0; i < found.complete; ++i, record += recordSize) {
        // TSentence cuts a text that fills its field without a terminator to 99 characters.
        result.sentences.emplace_back(record_file::readText(record, textFieldSize),
                                      qFromLittleEndian<qint32>(record + textFieldSize));
    }
    return result;
}

ReadResult read(const QString& path)
{
    const std::optional<QByteArray> bytes = record_file::readWhole(path);
    return bytes ? parse(*bytes) : ReadResult{};
}

QByteArray serialize(const SentenceList& sentences)
{
    QByteArray bytes =
        record_file::withRoomFor(static_cast<std::uint32_t>(sentences.size()), recordSize);
    char* record = bytes.data() + 4;
    for (const TSentence& sentence : sentences) {
        record_file::writeText(record, textFieldSize, sentence.text);
        qToLittleEndian<qint32>(sentence.isCompound, record + textFieldSize);
        record += recordSize;
    }
    return bytes;
}

SaveOutcome save(const QString& path, const SentenceList& sentences, const SaveWrite& write)
{
    return saveWhole(path, serialize(sentences), write);
}

std::string damagedMessage(const std::string& fileName, const ReadResult& read)
{
    return record_file::damagedMessage(fileName, static_cast<std::uint32_t>(read.sentences.size()),
                                       read.promised, "lines");
}

} // namespace quiz_file
