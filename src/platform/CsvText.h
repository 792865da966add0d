#pragma once

#include <QByteArray>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// CSV text (RFC 4180, UTF-8) as spreadsheets and online forms write it, read row by row with
// the line each row starts on, and the conversions between its UTF-8 and the program's
// single-byte texts.
namespace csv_text {

inline constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

struct Row {
    int line = 0; // of the file, from 1
    std::vector<std::string> fields;
    // Why the row could not be split; its fields are then those read before.
    std::optional<std::string> error;
    bool quoted = false;
    // An empty line: one unquoted empty field.
    bool blank() const { return !error && fields.size() == 1 && fields[0].empty() && !quoted; }
};

// Splits the text into rows; a row ends at LF or CR LF outside quotes, and a doubled quote in
// a quoted field is one quote. The fields keep the text's bytes.
class Rows {
public:
    explicit Rows(std::string_view text) : text(text) {}

    bool atEnd() const { return at >= text.size(); }
    Row next();

private:
    char peek() const { return text[at]; }
    bool atLineEnd() const;
    void skipLineEnd();
    void skipLine();
    bool quotedField(std::string& field);

    std::string_view text;
    std::size_t at = 0;
    int line = 1;
};

// The 1-based line of the first byte that is not UTF-8, or 0 when all are: no overlong forms,
// no surrogates, nothing beyond U+10FFFF.
int firstBadUtf8Line(std::string_view text);

// Valid UTF-8 as single-byte text; nothing when a character lies beyond Latin-1.
std::optional<std::string> latin1FromUtf8(std::string_view utf8);
std::string utf8FromLatin1(std::string_view latin1);

// Appends a UTF-8 field, quoted only when it holds a comma, a quote, a CR or an LF.
void appendField(QByteArray& out, std::string_view utf8);

} // namespace csv_text
