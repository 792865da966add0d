#include "quiz/QuizHeading.h"

#include "platform/SafeSave.h"

#include <QFile>

namespace quiz_heading {

std::string readAsText(const QByteArray& bytes)
{
    std::string text;
    text.reserve(static_cast<std::size_t>(bytes.size()));
    for (char c : bytes) {
        if (c == '\x1a')
            break;
        if (c != '\r')
            text += c;
    }
    return text;
}

std::vector<std::string> lineReads(const std::string& text)
{
    std::vector<std::string> reads;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t feed = text.find('\n', at);
        const std::size_t length =
            std::min(maxRead, (feed == std::string::npos ? text.size() : feed + 1) - at);
        reads.push_back(text.substr(at, length));
        at += length;
    }
    return reads;
}

std::string forEditing(const QByteArray& bytes)
{
    std::string heading;
    for (const std::string& read : lineReads(readAsText(bytes)))
        heading += read;
    // A longer file gives its first 120 characters.
    if (heading.size() > maxLength)
        heading.resize(maxLength);
    return heading;
}

std::optional<QByteArray> readFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

QByteArray asFileBytes(const std::string& heading)
{
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(heading.size() * 2));
    for (char c : heading) {
        if (c == '\n')
            bytes += '\r';
        bytes += c;
    }
    return bytes;
}

bool save(const QString& path, const std::string& heading)
{
    return saveWhole(path, asFileBytes(heading));
}

} // namespace quiz_heading
