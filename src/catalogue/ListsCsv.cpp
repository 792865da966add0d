#include "catalogue/ListsCsv.h"

#include "catalogue/CatalogueEditor.h"

#include <algorithm>
#include <cstdint>

namespace lists_csv {

namespace {

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

void appendUtf8(QByteArray& out, const std::string& latin1)
{
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            out += c;
        } else {
            out += char(0xC0 | (byte >> 6));
            out += char(0x80 | (byte & 0x3F));
        }
    }
}

void appendField(QByteArray& out, const std::string& latin1)
{
    if (latin1.find_first_of(",\"\r\n") == std::string::npos) {
        appendUtf8(out, latin1);
        return;
    }
    out += '"';
    for (const char c : latin1) {
        if (c == '"')
            out += '"';
        appendUtf8(out, std::string(1, c));
    }
    out += '"';
}

// The length of the valid UTF-8 sequence at `at`, or 0: no overlong forms, no surrogates,
// nothing beyond U+10FFFF.
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

// The 1-based line of the first byte that is not UTF-8, or 0 when all are.
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

// Valid UTF-8 as single-byte text; nothing when a character lies beyond Latin-1.
std::optional<std::string> toLatin1(const std::string& utf8)
{
    std::string text;
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        if (lead < 0x80) {
            text += char(lead);
            ++at;
        } else if (lead == 0xC2 || lead == 0xC3) {
            text += char(((lead & 0x1F) << 6) | (static_cast<unsigned char>(utf8[at + 1]) & 0x3F));
            at += 2;
        } else {
            return std::nullopt;
        }
    }
    return text;
}

struct Row {
    int line = 0;
    std::vector<std::string> fields;
    std::optional<std::string> error;
    // An empty line: one unquoted empty field.
    bool blank() const { return !error && fields.size() == 1 && fields[0].empty() && !quoted; }
    bool quoted = false;
};

// Splits the text into rows by RFC 4180; a row ends at LF or CR LF outside quotes.
class Rows {
public:
    explicit Rows(std::string_view text) : text(text) {}

    bool atEnd() const { return at >= text.size(); }

    Row next()
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

private:
    char peek() const { return text[at]; }

    bool atLineEnd() const
    {
        return text[at] == '\n' || (text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n');
    }

    void skipLineEnd()
    {
        at += text[at] == '\r' ? 2 : 1;
        ++line;
    }

    void skipLine()
    {
        while (!atEnd() && !atLineEnd())
            ++at;
        if (!atEnd())
            skipLineEnd();
    }

    // From the opening quote past the closing one; a doubled quote is one quote.
    bool quotedField(std::string& field)
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

    std::string_view text;
    std::size_t at = 0;
    int line = 1;
};

struct FieldLimit {
    const char* what;
    std::size_t maxLength;
    bool refusesControls = true;
};

// What an Add dialog's edit field would not take; the problem, or nothing.
std::optional<std::string> fieldProblem(const std::string& utf8, std::string& latin1,
                                        const FieldLimit& limit)
{
    const std::optional<std::string> text = toLatin1(utf8);
    if (!text)
        return std::string("the ") + limit.what + " has a character the lists cannot hold";
    if (text->find('\0') != std::string::npos)
        return std::string("the ") + limit.what + " has a zero character";
    // A tab, a line break or DEL: the Add dialogs' one-line fields cannot take them either.
    if (limit.refusesControls && std::any_of(text->begin(), text->end(), [](char c) {
            return (c > 0 && c < 32) || c == 127;
        }))
        return std::string("the ") + limit.what + " has a control character";
    if (text->size() > limit.maxLength)
        return std::string("the ") + limit.what + " is longer than " +
               std::to_string(limit.maxLength) + " characters";
    latin1 = *text;
    return std::nullopt;
}

const EntryMessages rowMessages{
    "the name is empty or begins with a blank", "the symbol is empty or begins with a blank",
    "the charge is empty or begins with a blank", "the charge is not a number from 1 to 4"};

// The row's entry and its list, or its first problem.
std::optional<std::string> readRow(const Row& row, IonCatalogue& lists)
{
    if (row.error)
        return row.error;
    if (row.fields.size() != 4)
        return "the row has " + std::to_string(row.fields.size()) + " field" +
               (row.fields.size() == 1 ? "" : "s") + " instead of 4";
    const std::string& side = row.fields[0];
    if (side != "cation" && side != "anion")
        return "the side must be cation or anion";
    IonEntry entry;
    if (auto problem = fieldProblem(row.fields[1], entry.name, {"name", TIon::maxNameLength}))
        return problem;
    if (auto problem = fieldProblem(row.fields[2], entry.symbol, {"symbol", TIon::maxSymbolLength}))
        return problem;
    if (auto problem = fieldProblem(row.fields[3], entry.charge, {"charge", 5, false}))
        return problem;
    const EntryCheck check = checkEntry(entry, rowMessages);
    if (check.problem)
        return check.problem;
    TrimTrailingBlanks(entry.name);
    TrimTrailingBlanks(entry.symbol);
    (side == "cation" ? lists.cations : lists.anions)
        .append(TIon(entry.name, entry.symbol, check.charge));
    return std::nullopt;
}

} // namespace

std::string Problem::text() const
{
    return "line " + std::to_string(line) + ": " + reason;
}

QByteArray write(const IonCatalogue& lists)
{
    QByteArray out = QByteArray(header) + "\r\n";
    for (const char* side : {"cation", "anion"}) {
        const IonList& list = side[0] == 'c' ? lists.cations : lists.anions;
        for (const TIon& ion : list) {
            out += side;
            out += ',';
            appendField(out, ion.name);
            out += ',';
            appendField(out, ion.symbol);
            out += ',';
            out += QByteArray::number(ion.charge);
            out += "\r\n";
        }
    }
    return out;
}

ReadResult read(const QByteArray& bytes)
{
    std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    if (text.starts_with(byteOrderMark))
        text.remove_prefix(byteOrderMark.size());

    ReadResult result;
    if (const int line = firstBadUtf8Line(text)) {
        result.problems.push_back({line, "the text is not UTF-8"});
        return result;
    }
    Rows rows(text);
    const Row first = rows.atEnd() ? Row{1, {}, std::nullopt} : rows.next();
    if (first.error || first.fields != std::vector<std::string>{"side", "name", "symbol", "charge"}) {
        result.problems.push_back({1, std::string("the first line must be ") + header});
        return result;
    }
    IonCatalogue lists;
    while (!rows.atEnd()) {
        const Row row = rows.next();
        if (row.blank())
            continue;
        if (auto problem = readRow(row, lists))
            result.problems.push_back({row.line, std::move(*problem)});
    }
    if (result.problems.empty())
        result.lists = std::move(lists);
    return result;
}

} // namespace lists_csv
