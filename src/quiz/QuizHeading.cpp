#include "quiz/QuizHeading.h"

#include "platform/SafeSave.h"

#include <QBuffer>
#include <QByteArrayView>
#include <QFile>

#include <string_view>

namespace quiz_heading {

namespace {

// Appends bytes as a text-mode read sees them; false once 0x1A has ended the text.
bool appendAsText(std::string& text, QByteArrayView bytes)
{
    for (char c : bytes) {
        if (c == '\x1a')
            return false;
        if (c != '\r')
            text += c;
    }
    return true;
}

// The length of the read that starts the text: through its first line feed, at most maxRead
// characters. Only the first maxRead characters are looked at, however long the text.
std::size_t readLength(std::string_view text)
{
    const std::string_view window = text.substr(0, maxRead);
    const std::size_t feed = window.find('\n');
    return feed == std::string_view::npos ? window.size() : feed + 1;
}

} // namespace

std::optional<std::string> TextReads::next()
{
    fill();
    const std::string_view rest = std::string_view(text).substr(taken);
    if (rest.empty())
        return std::nullopt;
    const std::size_t length = readLength(rest);
    taken += length;
    return std::string(rest.substr(0, length));
}

// Reads on until the next read is decided: a line feed or maxRead characters are held, or the
// text has ended.
void TextReads::fill()
{
    constexpr qint64 chunk = 4096;
    while (!ended && text.size() - taken < maxRead && text.find('\n', taken) == std::string::npos) {
        text.erase(0, taken);
        taken = 0;
        char bytes[chunk];
        const qint64 got = file.read(bytes, chunk);
        ended = got <= 0 || !appendAsText(text, QByteArrayView(bytes, got));
    }
}

std::string readAsText(const QByteArray& bytes)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes.size()));
    appendAsText(text, bytes);
    return text;
}

std::vector<std::string> lineReads(const std::string& text)
{
    std::vector<std::string> reads;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = readLength(std::string_view(text).substr(at));
        reads.push_back(text.substr(at, length));
        at += length;
    }
    return reads;
}

std::string forEditing(QIODevice& file)
{
    TextReads reads(file);
    std::string heading;
    // Each read was appended as a zero-terminated text: a zero byte ends only its own read.
    std::optional<std::string> read;
    while (heading.size() < maxLength && (read = reads.next()))
        heading.append(*read, 0, read->find('\0'));
    // A longer file gives its first 120 characters.
    if (heading.size() > maxLength)
        heading.resize(maxLength);
    return heading;
}

std::string forEditing(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return forEditing(buffer);
}

std::optional<std::string> loadForEditing(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return forEditing(file);
}

std::optional<std::vector<std::string>> allReads(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    TextReads reads(file);
    std::vector<std::string> all;
    while (std::optional<std::string> read = reads.next())
        all.push_back(std::move(*read));
    return all;
}

QByteArray asFileBytes(const std::string& heading)
{
    return QByteArray::fromStdString(heading).replace("\n", "\r\n");
}

SaveOutcome save(const QString& path, const std::string& heading)
{
    return saveWhole(path, asFileBytes(heading));
}

} // namespace quiz_heading
