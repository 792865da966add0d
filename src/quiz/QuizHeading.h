#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

// The quiz heading and its file valkora.hed, a text file: read with every carriage return
// dropped and 0x1A ending it, written with every line feed as carriage return and line feed.
namespace quiz_heading {

inline constexpr const char* fileName = "valkora.hed";
// The heading holds at most this many characters.
inline constexpr std::size_t maxLength = 120;
// Heading lines are read at most this many characters at a time.
inline constexpr std::size_t maxRead = 60;

// The file's text as a text-mode read sees it.
std::string readAsText(const QByteArray& bytes);

// The successive reads of at most maxRead characters, each stopping after a line feed and
// keeping it.
std::vector<std::string> lineReads(const std::string& text);

// The heading as New loads it for editing: the reads appended, at most 120 characters.
std::string forEditing(const QByteArray& bytes);

// The file's bytes, or nothing when it cannot be opened.
std::optional<QByteArray> readFile(const QString& path);

QByteArray asFileBytes(const std::string& heading);
// Replaces the file whole, or leaves the old one byte for byte when anything fails.
bool save(const QString& path, const std::string& heading);

} // namespace quiz_heading
