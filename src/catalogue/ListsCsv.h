#pragma once

#include "catalogue/IonCatalogue.h"

#include <QByteArray>

#include <optional>
#include <string>
#include <vector>

// Both ion lists as one CSV file (RFC 4180, UTF-8) for spreadsheets: the header
// "side,name,symbol,charge", then one row an entry, cations then anions in list order, the
// side "cation" or "anion" and the charge as a positive number.
namespace lists_csv {

inline constexpr const char* header = "side,name,symbol,charge";

// Rows end in CR LF; a field is quoted only when it holds a comma, a quote, a CR or an LF.
// No byte-order mark. Names and symbols go from their single-byte text to UTF-8.
QByteArray write(const IonCatalogue& lists);

// A row that cannot become an entry: the line of the file where it starts (from 1) and why.
struct Problem {
    int line = 0;
    std::string reason;
    // "line 7: the name is longer than 19 characters"
    std::string text() const;
    friend bool operator==(const Problem&, const Problem&) = default;
};

// The lists, or every problem and no lists at all.
struct ReadResult {
    std::optional<IonCatalogue> lists;
    std::vector<Problem> problems;
};

// Takes CR LF or LF line ends, a UTF-8 byte-order mark and blank lines. Each row is held to
// what the Add dialogs let through: first what their fields could not take (text beyond
// Latin-1, a zero character, a control character in a name or symbol, more than 19, 14
// or 5 characters), then their entry check in its order; name and symbol lose their
// trailing blanks as an added entry does.
ReadResult read(const QByteArray& bytes);

} // namespace lists_csv
