#include "catalogue/ListsCsv.h"

#include "catalogue/CatalogueEditor.h"
#include "platform/CsvText.h"

#include <algorithm>
#include <cstdint>

namespace lists_csv {

namespace {

using csv_text::Row;
using csv_text::Rows;

struct FieldLimit {
    const char* what;
    std::size_t maxLength;
    bool refusesControls = true;
};

// What an Add dialog's edit field would not take; the problem, or nothing.
std::optional<std::string> fieldProblem(const std::string& utf8, std::string& latin1,
                                        const FieldLimit& limit)
{
    const std::optional<std::string> text = csv_text::latin1FromUtf8(utf8);
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
            csv_text::appendField(out, csv_text::utf8FromLatin1(ion.name));
            out += ',';
            csv_text::appendField(out, csv_text::utf8FromLatin1(ion.symbol));
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
    if (text.starts_with(csv_text::byteOrderMark))
        text.remove_prefix(csv_text::byteOrderMark.size());

    ReadResult result;
    if (const int line = csv_text::firstBadUtf8Line(text)) {
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
