#include "print/PdfCheck.h"

#include "support/TempFolder.h"

#include <QApplication>
#include <QPainter>
#include <QPrinter>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// Two pages as Qt's PDF engine writes them when a job prints to a file.
QByteArray printedPdf()
{
    TempFolder folder;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.path("two pages.pdf"));
    QPainter painter;
    if (!painter.begin(&printer))
        return {};
    painter.setFont(QApplication::font());
    painter.drawText(100, 100, QStringLiteral("Sodium chloride"));
    printer.newPage();
    painter.drawText(100, 100, QStringLiteral("NaCl"));
    painter.end();
    return folder.read("two pages.pdf");
}

// A PDF laid out by hand: objects 1 to n, the table listing each where it was put, with the
// given line end everywhere and the given blanks after the startxref number.
QByteArray handMadePdf(const QByteArray& lineEnd, const QByteArray& afterOffset = {})
{
    const QByteArray bodies[] = {"<< /Type /Catalog /Pages 2 0 R >>",
                                 "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
                                 "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] >>"};
    QByteArray pdf = "%PDF-1.4" + lineEnd;
    std::vector<qsizetype> offsets;
    int number = 0;
    for (const QByteArray& body : bodies) {
        offsets.push_back(pdf.size());
        pdf += QByteArray::number(++number) + " 0 obj" + lineEnd + body + lineEnd + "endobj" + lineEnd;
    }
    const qsizetype table = pdf.size();
    // Entries are 20 bytes: a one-byte line end takes a blank before it.
    const QByteArray entryEnd = lineEnd.size() == 2 ? lineEnd : " " + lineEnd;
    pdf += "xref" + lineEnd + "0 " + QByteArray::number(number + 1) + lineEnd;
    pdf += "0000000000 65535 f" + entryEnd;
    for (const qsizetype offset : offsets)
        pdf += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n" + entryEnd;
    pdf += "trailer" + lineEnd + "<< /Size " + QByteArray::number(number + 1) + " /Root 1 0 R >>" +
           lineEnd;
    pdf += "startxref" + lineEnd + QByteArray::number(table) + afterOffset + lineEnd + "%%EOF" + lineEnd;
    return pdf;
}

qsizetype startxrefNumberAt(const QByteArray& pdf)
{
    qsizetype at = pdf.lastIndexOf("startxref") + 9;
    while (at < pdf.size() && (pdf[at] == '\r' || pdf[at] == '\n'))
        ++at;
    return at;
}

qsizetype startxrefNumber(const QByteArray& pdf)
{
    const qsizetype at = startxrefNumberAt(pdf);
    qsizetype end = at;
    while (end < pdf.size() && pdf[end] >= '0' && pdf[end] <= '9')
        ++end;
    return pdf.mid(at, end - at).toLongLong();
}

QByteArray withStartxref(QByteArray pdf, const QByteArray& number)
{
    const qsizetype at = startxrefNumberAt(pdf);
    return pdf.replace(at, QByteArray::number(startxrefNumber(pdf)).size(), number);
}

// The position of the table entry of an object, found by its offset.
qsizetype entryOf(const QByteArray& pdf, int object)
{
    const qsizetype objectAt = pdf.indexOf("\n" + QByteArray::number(object) + " 0 obj") + 1;
    return pdf.indexOf(QByteArray::number(objectAt).rightJustified(10, '0') + " 00000 n",
                       startxrefNumber(pdf));
}

QByteArray withEntryOffset(QByteArray pdf, int object, qsizetype offset)
{
    return pdf.replace(entryOf(pdf, object), 10, QByteArray::number(offset).rightJustified(10, '0'));
}

TEST(PdfCheck, WholeFilesPass)
{
    const QByteArray printed = printedPdf();
    ASSERT_FALSE(printed.isEmpty());
    EXPECT_TRUE(pdfIsWhole(printed));
    EXPECT_TRUE(pdfIsWhole(handMadePdf("\n")));
    EXPECT_TRUE(pdfIsWhole(handMadePdf("\r\n")));
    EXPECT_TRUE(pdfIsWhole(handMadePdf("\r")));
    EXPECT_TRUE(pdfIsWhole(handMadePdf("\n", "  ")));
    // The line ends after %%EOF are no part of the check.
    QByteArray bare = printed;
    while (bare.endsWith('\n') || bare.endsWith('\r'))
        bare.chop(1);
    EXPECT_TRUE(pdfIsWhole(bare));
    EXPECT_TRUE(pdfIsWhole(bare + "\r\n\r\n"));
}

struct Damage {
    const char* name;
    std::function<QByteArray(QByteArray)> apply;
};

void PrintTo(const Damage& damage, std::ostream* out)
{
    *out << damage.name;
}

class DamagedPdf : public ::testing::TestWithParam<Damage> {};

TEST_P(DamagedPdf, FailsTheCheck)
{
    const QByteArray printed = printedPdf();
    ASSERT_TRUE(pdfIsWhole(printed));
    const QByteArray damaged = GetParam().apply(printed);
    ASSERT_NE(damaged, printed) << "the damage changed nothing";
    EXPECT_FALSE(pdfIsWhole(damaged));
    const QByteArray handMade = handMadePdf("\n");
    EXPECT_FALSE(pdfIsWhole(GetParam().apply(handMade)));
}

INSTANTIATE_TEST_SUITE_P(
    PdfCheck, DamagedPdf,
    ::testing::Values(
        Damage{"empty", [](QByteArray) { return QByteArray(); }},
        Damage{"no_eof", [](QByteArray pdf) { return pdf.left(pdf.lastIndexOf("%%EOF")); }},
        Damage{"eof_misspelt", [](QByteArray pdf) { return pdf.replace("%%EOF", "%%E0F"); }},
        Damage{"eof_on_the_number_line",
               [](QByteArray pdf) { return pdf.replace(pdf.lastIndexOf("%%EOF") - 1, 1, " "); }},
        Damage{"something_after_eof", [](QByteArray pdf) { return pdf + "x"; }},
        Damage{"only_the_last_lines",
               [](QByteArray pdf) { return pdf.mid(pdf.lastIndexOf("startxref")); }},
        Damage{"no_startxref", [](QByteArray pdf) { return pdf.replace("startxref", "startxrof"); }},
        Damage{"startxref_without_number",
               [](QByteArray pdf) { return withStartxref(pdf, ""); }},
        Damage{"startxref_one_short",
               [](QByteArray pdf) { return withStartxref(pdf, QByteArray::number(startxrefNumber(pdf) - 1)); }},
        Damage{"startxref_one_past",
               [](QByteArray pdf) { return withStartxref(pdf, QByteArray::number(startxrefNumber(pdf) + 1)); }},
        Damage{"startxref_past_the_end",
               [](QByteArray pdf) { return withStartxref(pdf, QByteArray::number(pdf.size() + 100)); }},
        Damage{"startxref_at_itself",
               [](QByteArray pdf) {
                   return withStartxref(pdf, QByteArray::number(pdf.lastIndexOf("startxref") + 5));
               }},
        Damage{"startxref_at_the_first_object",
               [](QByteArray pdf) { return withStartxref(pdf, QByteArray::number(pdf.indexOf("1 0 obj"))); }},
        Damage{"startxref_eleven_digits",
               [](QByteArray pdf) {
                   return withStartxref(pdf, QByteArray::number(startxrefNumber(pdf)).rightJustified(11, '0'));
               }},
        Damage{"xref_keyword_lost",
               [](QByteArray pdf) { return pdf.replace(startxrefNumber(pdf), 4, "xraf"); }},
        Damage{"entry_one_byte_off",
               [](QByteArray pdf) { return withEntryOffset(pdf, 2, pdf.indexOf("\n2 0 obj") + 2); }},
        Damage{"entries_swapped",
               [](QByteArray pdf) {
                   const qsizetype entry1 = entryOf(pdf, 1);
                   const qsizetype entry2 = entryOf(pdf, 2);
                   const QByteArray offset1 = pdf.mid(entry1, 10);
                   return pdf.replace(entry1, 10, pdf.mid(entry2, 10)).replace(entry2, 10, offset1);
               }},
        Damage{"entry_past_the_end",
               [](QByteArray pdf) { return withEntryOffset(pdf, 1, pdf.size() + 10); }},
        Damage{"entry_at_the_table",
               [](QByteArray pdf) { return withEntryOffset(pdf, 1, startxrefNumber(pdf)); }},
        Damage{"entry_with_another_generation",
               [](QByteArray pdf) { return pdf.replace(entryOf(pdf, 1) + 11, 5, "00001"); }},
        Damage{"entry_neither_used_nor_free",
               [](QByteArray pdf) { return pdf.replace(entryOf(pdf, 1) + 17, 1, "x"); }},
        Damage{"entry_line_lost", [](QByteArray pdf) { return pdf.remove(entryOf(pdf, 2), 20); }},
        Damage{"table_counts_one_more",
               [](QByteArray pdf) {
                   const qsizetype section = pdf.indexOf("0 ", startxrefNumber(pdf) + 4);
                   const qsizetype countAt = section + 2;
                   const qsizetype countEnd = pdf.indexOf('\n', countAt);
                   const int count = pdf.mid(countAt, countEnd - countAt).trimmed().toInt();
                   return pdf.replace(countAt, countEnd - countAt, QByteArray::number(count + 1));
               }},
        Damage{"no_trailer", [](QByteArray pdf) { return pdf.replace("trailer", "trailor"); }},
        // A write lost in the middle: everything after it sits earlier than the table says.
        Damage{"a_block_lost_in_the_middle",
               [](QByteArray pdf) { return pdf.remove(pdf.indexOf("2 0 obj") + 3, 16); }}),
    [](const ::testing::TestParamInfo<Damage>& info) { return std::string(info.param.name); });

TEST(PdfCheck, AFileCutShortAnywhereFails)
{
    for (const QByteArray& pdf : {printedPdf(), handMadePdf("\n"), handMadePdf("\r\n")}) {
        ASSERT_TRUE(pdfIsWhole(pdf));
        const qsizetype eofEnd = pdf.lastIndexOf("%%EOF") + 5;
        for (qsizetype length = 0; length < eofEnd; ++length)
            ASSERT_FALSE(pdfIsWhole(pdf.left(length))) << "cut to " << length << " of " << pdf.size();
    }
}

// A byte lost among the objects puts every byte after it one place early. In the table a
// line end of two bytes may lose one and still be a table, so that part is asked of the file
// as Qt writes it, with one-byte line ends.
TEST(PdfCheck, AByteLostBeforeTheTrailerFails)
{
    const QByteArray printed = printedPdf();
    const QByteArray lf = handMadePdf("\n");
    const QByteArray crlf = handMadePdf("\r\n");
    const std::pair<QByteArray, qsizetype> files[] = {{printed, printed.lastIndexOf("trailer")},
                                                      {lf, lf.lastIndexOf("trailer")},
                                                      {crlf, startxrefNumber(crlf) + 4}};
    for (const auto& [pdf, end] : files) {
        ASSERT_TRUE(pdfIsWhole(pdf));
        for (qsizetype lost = 0; lost < end; ++lost) {
            QByteArray damaged = pdf;
            ASSERT_FALSE(pdfIsWhole(damaged.remove(lost, 1)))
                << "byte " << lost << " (" << int(pdf[lost]) << ") of " << pdf.size() << " lost";
        }
    }
}

} // namespace
