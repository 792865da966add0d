#include "platform/CsvText.h"

namespace csv_text {

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0.
std::size_t utf8Length(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return 1;
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF; // the allowed range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (at + length > text.size() || byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

} // namespace

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
    int line = 1;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = utf8Length(text, at);
        if (length == 0)
            return line;
        if (text[at] == '\n')
            ++line;
        at += length;
    }
    return 0;
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
    std::string out;
    out.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (byte >> 6));
            out += char(0x80 | (byte & 0x3F));
        }
    }
    return out;
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
