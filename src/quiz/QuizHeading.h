#pragma once

#include "platform/SafeSave.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <string>
#include <vector>

class QIODevice;

// The quiz heading and its file valkora.hed, a text file: read with every carriage return
// dropped and 0x1A ending it, written with every line feed as carriage return and line feed.
namespace quiz_heading {

inline constexpr const char* fileName = "valkora.hed";
// The heading holds at most this many characters.
inline constexpr std::size_t maxLength = 120;
// Heading lines are read at most this many characters at a time.
inline constexpr std::size_t maxRead = 60;

// A heading file read as text, one read at a time. The file is read only as far as the reads
// taken need, so a file of any size costs only what is taken of it.
class TextReads {
public:
    explicit TextReads(QIODevice& file) : file(file) {}

    // The next read: at most maxRead characters, stopping after a line feed and keeping it;
    // nothing once the text has ended.
    std::optional<std::string> next();

private:
    void fill();

    QIODevice& file;
    std::string text; // read from the file as text, from `taken` on not yet handed out
    std::size_t taken = 0;
    bool ended = false;
};

// The file's text as a text-mode read sees it.
std::string readAsText(const QByteArray& bytes);

// The successive reads of at most maxRead characters, each stopping after a line feed and
// keeping it.
std::vector<std::string> lineReads(const std::string& text);

// The heading as New loads it for editing: the reads appended, each up to its first zero
// byte, until the heading holds its 120 characters.
std::string forEditing(QIODevice& file);
std::string forEditing(const QByteArray& bytes);
// The same from the file, or nothing when it cannot be opened.
std::optional<std::string> loadForEditing(const QString& path);

// Every read of the file to its end, as a quiz takes its heading lines from it; nothing when
// it cannot be opened.
std::optional<std::vector<std::string>> allReads(const QString& path);

QByteArray asFileBytes(const std::string& heading);
// Replaces the file whole, or leaves the old one byte for byte when anything fails.
SaveOutcome save(const QString& path, const std::string& heading);

} // namespace quiz_heading
