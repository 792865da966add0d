#include "print/PdfCheck.h"

#include <cstring>

namespace {

bool isEndOfLine(char c)
{
    return c == '\n' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool hasAt(const QByteArray& data, qsizetype at, const char* word)
{
    const auto length = static_cast<qsizetype>(std::strlen(word));
    return at >= 0 && at <= data.size() - length && std::memcmp(data.constData() + at, word, length) == 0;
}

// Reads a decimal number of 1 to 10 digits at `at` and moves past it. Ten digits are what a
// cross-reference entry allows, and they cannot overflow a 64-bit value.
bool readNumber(const QByteArray& data, qsizetype& at, qint64& value)
{
    value = 0;
    qsizetype digits = 0;
    while (at < data.size() && isDigit(data[at]) && digits < 10) {
        value = value * 10 + (data[at] - '0');
        ++at;
        ++digits;
    }
    return digits > 0 && (at == data.size() || !isDigit(data[at]));
}

bool skipSpaces(const QByteArray& data, qsizetype& at)
{
    const qsizetype start = at;
    while (at < data.size() && data[at] == ' ')
        ++at;
    return at > start;
}

bool skipEndsOfLine(const QByteArray& data, qsizetype& at)
{
    const qsizetype start = at;
    while (at < data.size() && isEndOfLine(data[at]))
        ++at;
    return at > start;
}

// "12 0 obj" at the offset that the table gives for object 12, generation 0.
bool objectBeginsAt(const QByteArray& data, qint64 offset, qint64 number, qint64 generation)
{
    qsizetype at = static_cast<qsizetype>(offset);
    qint64 value = 0;
    return readNumber(data, at, value) && value == number && skipSpaces(data, at) &&
           readNumber(data, at, value) && value == generation && skipSpaces(data, at) &&
           hasAt(data, at, "obj");
}

// Steps back over the blanks that end a line (Qt writes "7751 \n") and says whether a line
// ended among them.
bool skipBackToLineEnd(const QByteArray& data, qsizetype& at)
{
    bool lineEnded = false;
    while (at > 0 && (data[at - 1] == ' ' || isEndOfLine(data[at - 1]))) {
        lineEnded = lineEnded || isEndOfLine(data[at - 1]);
        --at;
    }
    return lineEnded;
}

// The offset that "startxref" gives in the last lines: "startxref", its number, "%%EOF" and
// the line ends after it. -1 when the file does not end that way.
qint64 crossReferenceOffset(const QByteArray& data, qsizetype& startxrefAt)
{
    qsizetype end = data.size();
    while (end > 0 && isEndOfLine(data[end - 1]))
        --end;
    qsizetype at = end - 5;
    if (!hasAt(data, at, "%%EOF") || !skipBackToLineEnd(data, at))
        return -1;
    const qsizetype digitsEnd = at;
    while (at > 0 && isDigit(data[at - 1]) && digitsEnd - at < 10)
        --at;
    qsizetype digitsAt = at;
    qint64 offset = 0;
    if (at == digitsEnd || !readNumber(data, digitsAt, offset) || !skipBackToLineEnd(data, at))
        return -1;
    startxrefAt = at - 9;
    return hasAt(data, startxrefAt, "startxref") ? offset : -1;
}

} // namespace

bool pdfIsWhole(const QByteArray& pdf)
{
    qsizetype startxrefAt = 0;
    const qint64 tableAt = crossReferenceOffset(pdf, startxrefAt);
    // The table lies between the objects and its own startxref line.
    if (tableAt < 0 || tableAt >= startxrefAt || !hasAt(pdf, tableAt, "xref"))
        return false;
    qsizetype at = static_cast<qsizetype>(tableAt) + 4;
    if (!skipEndsOfLine(pdf, at))
        return false;

    // Sections of "first count" and count entries of exactly 20 bytes each:
    // "0000000015 00000 n \n", offset, generation, n (in use) or f (free), a two-byte line end.
    bool anyInUse = false;
    while (!hasAt(pdf, at, "trailer")) {
        qint64 firstObject = 0;
        qint64 count = 0;
        if (!readNumber(pdf, at, firstObject) || !skipSpaces(pdf, at) || !readNumber(pdf, at, count))
            return false;
        skipSpaces(pdf, at);
        if (!skipEndsOfLine(pdf, at))
            return false;
        for (qint64 i = 0; i < count; ++i, at += 20) {
            if (at > startxrefAt - 20)
                return false;
            qsizetype field = at;
            qint64 offset = 0;
            qint64 generation = 0;
            if (!readNumber(pdf, field, offset) || field != at + 10 || pdf[field] != ' ')
                return false;
            ++field;
            if (!readNumber(pdf, field, generation) || field != at + 16 || pdf[field] != ' ')
                return false;
            const char kind = pdf[at + 17];
            const char end1 = pdf[at + 18];
            const char end2 = pdf[at + 19];
            const bool lineEnd = (end1 == ' ' || end1 == '\r') && isEndOfLine(end2);
            if (!lineEnd || (kind != 'n' && kind != 'f'))
                return false;
            if (kind == 'n') {
                if (offset >= tableAt || !objectBeginsAt(pdf, offset, firstObject + i, generation))
                    return false;
                anyInUse = true;
            }
        }
    }
    return anyInUse && at < startxrefAt;
}
