#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>

// The shape that the list files and the quiz files share: a little-endian unsigned 32-bit
// count, then fixed-size records whose text fields are zero-terminated.
namespace record_file {

// The records a file holds: never more than its bytes can back, however large its count.
struct Records {
    std::uint32_t promised = 0; // the count the file claims
    std::uint32_t complete = 0; // the whole records present, at most the count
    const char* first = nullptr;
};
Records records(const QByteArray& bytes, int recordSize);

// The count, then room for that many records, all zero.
QByteArray withRoomFor(std::uint32_t count, int recordSize);

// A text field up to its first zero byte, or the whole field when it has none.
std::string readText(const char* field, int size);
// The text cut to size - 1 bytes, and zeros after it to the end of the field, so a file's
// content depends on what it holds only.
void writeText(char* field, int size, const std::string& text);

// A file's bytes, or nothing when it cannot be read (missing, a folder, unreadable).
std::optional<QByteArray> readWhole(const QString& path);

// "valkora.cat is damaged: only 3 of 1000 entries could be read.", in UTF-8 like every
// message, the name as given.
std::string damagedMessage(const std::string& fileName, std::uint32_t read, std::uint32_t promised,
                           const char* units);

} // namespace record_file
