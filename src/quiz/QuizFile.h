#pragma once

#include "platform/SafeSave.h"
#include "quiz/TSentence.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

// Quiz files (*.qzz): a little-endian unsigned 32-bit count, then 104-byte records of a
// 100-byte zero-terminated text and a signed 32-bit exercise flag.
namespace quiz_file {

inline constexpr int recordSize = 104;
inline constexpr int textFieldSize = 100;

struct ReadResult {
    bool opened = false;
    SentenceList sentences;
    // The count the file claims; more than sentences.size() when records are missing.
    std::uint32_t promised = 0;
};

// Takes complete records only, never allocating from the count; a text without a zero
// byte is cut to 99 characters.
ReadResult parse(const QByteArray& bytes);
ReadResult read(const QString& path);

QByteArray serialize(const SentenceList& sentences);
// Replaces the file whole, or leaves the old one byte for byte when anything fails.
SaveOutcome save(const QString& path, const SentenceList& sentences,
                 const SaveWrite& write = writeEveryByte);

// "week1.qzz is damaged: only 9 of 38 lines could be read."
std::string damagedMessage(const std::string& fileName, const ReadResult& read);

} // namespace quiz_file
