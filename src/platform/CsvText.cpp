#include "platform/CsvText.h"

#include <QByteArrayView>
#include <QString>

namespace csv_text {

Row Rows::next()
{
    Row row;
    row.line = line;
    for (;;) {
        std::string field;
        if (!atEnd() && peek() == '"') {
            row.quoted = true;
            if (!quotedField(field)) {
                row.error = "a quoted field is not closed";
                return row;
            }
            if (!atEnd() && peek() != ',' && !atLineEnd()) {
                row.error = "text follows the closing quote of a field";
                skipLine();
                return row;
            }
        } else {
            while (!atEnd() && peek() != ',' && !atLineEnd())
                field += text[at++];
            if (field.find('"') != std::string::npos) {
                row.error = "a quote inside a field that does not begin with one";
                row.fields.push_back(field);
                skipLine();
                return row;
            }
        }
        row.fields.push_back(std::move(field));
        if (atEnd())
            return row;
        if (peek() == ',') {
            ++at;
            continue;
        }
        skipLineEnd();
        return row;
    }
}

bool Rows::atLineEnd() const
{
    return text[at] == '\n' || (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
}

void Rows::skipLineEnd()
{
    at += text[at] == '\r' ? 2 : 1;
    ++line;
}

void Rows::skipLine()
{
    while (!atEnd() && !atLineEnd())
        ++at;
    if (!atEnd())
        skipLineEnd();
}

// From the opening quote past the closing one.
bool Rows::quotedField(std::string& field)
{
    ++at;
    while (!atEnd()) {
        const char c = text[at++];
        if (c == '"') {
            if (atEnd() || peek() != '"')
                return true;
            ++at;
        } else if (c == '\n') {
            ++line;
        }
        field += c;
    }
    return false;
}

int firstBadUtf8Line(std::string_view text)
{
    // A line feed never stands inside a valid sequence, so each line can be checked alone.
    for (int line = 1;; ++line) {
        const std::size_t end = text.find('\n');
        if (!QByteArrayView(text.substr(0, end)).isValidUtf8())
            return line;
        if (end == std::string_view::npos)
            return 0;
        text.remove_prefix(end + 1);
    }
}

std::optional<std::string> latin1FromUtf8(std::string_view utf8)
{
    std::string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80) {
            text += char(lead);
            ++at;
        } else if ((lead == 0xC2 || lead == 0xC3) && at + 1 < utf8.size()) {
            text += char(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[at + 1]) & 0x3F));
            at += 2;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

std::string utf8FromLatin1(std::string_view latin1)
{
    return QString::fromLatin1(latin1.data(), qsizetype(latin1.size())).toStdString();
}

void appendField(QByteArray& out, std::string_view utf8)
{
    const bool quoted = utf8.find_first_of(",\"\r\n") != std::string_view::npos;
    if (quoted)
        out += '"';
    for (const char c : utf8) {
        if (c == '"')
            out += '"';
        out += c;
    }
    if (quoted)
        out += '"';
}

} // namespace csv_text
