#include "catalogue/ListsCsv.h"

#include "catalogue/CatalogueFile.h"

#include <QFile>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using lists_csv::Problem;

const QByteArray head = "side,name,symbol,charge\r\n";

IonList listOf(std::initializer_list<TIon> ions)
{
    return IonList(std::vector<TIon>(ions));
}

struct ReadCase {
    const char* name;
    QByteArray csv;
    IonList cations;
    IonList anions;
    std::vector<Problem> problems; // none: the lists above are expected
};

void PrintTo(const ReadCase& row, std::ostream* out)
{
    *out << row.name;
}

class ReadTable : public testing::TestWithParam<ReadCase> {};

TEST_P(ReadTable, GivesTheListsOrEveryBadRow)
{
    const ReadCase& row = GetParam();
    const lists_csv::ReadResult result = lists_csv::read(row.csv);
    std::vector<std::string> texts;
    for (const Problem& problem : result.problems)
        texts.push_back(problem.text());
    if (!row.problems.empty()) {
        EXPECT_EQ(result.problems, row.problems) << testing::PrintToString(texts);
        EXPECT_FALSE(result.lists.has_value());
        return;
    }
    ASSERT_TRUE(result.lists.has_value()) << testing::PrintToString(texts);
    EXPECT_EQ(result.lists->cations, row.cations);
    EXPECT_EQ(result.lists->anions, row.anions);
}

const TIon sodium("Sodium", "Na", 1);
const TIon oxide("oxide", "O", 2);

INSTANTIATE_TEST_SUITE_P(
    ListsCsv, ReadTable,
    testing::Values(
        ReadCase{"plain_crlf", head + "cation,Sodium,Na,1\r\nanion,oxide,O,2\r\n",
                 listOf({sodium}), listOf({oxide}), {}},
        ReadCase{"plain_lf", "side,name,symbol,charge\ncation,Sodium,Na,1\nanion,oxide,O,2\n",
                 listOf({sodium}), listOf({oxide}), {}},
        ReadCase{"no_final_line_end", head + "anion,oxide,O,2", {}, listOf({oxide}), {}},
        ReadCase{"rows_in_any_side_order", head + "anion,oxide,O,2\r\ncation,Sodium,Na,1\r\n",
                 listOf({sodium}), listOf({oxide}), {}},
        ReadCase{"header_only", head, {}, {}, {}},
        ReadCase{"byte_order_mark", "\xEF\xBB\xBF" + head + "cation,Sodium,Na,1\r\n",
                 listOf({sodium}), {}, {}},
        ReadCase{"blank_lines_skipped", head + "\r\ncation,Sodium,Na,1\n\n\r\nanion,oxide,O,2\r\n\r\n",
                 listOf({sodium}), listOf({oxide}), {}},
        ReadCase{"quoted_fields", head + "\"cation\",\"Sodium\",\"Na\",\"1\"\r\n",
                 listOf({sodium}), {}, {}},
        ReadCase{"embedded_comma_and_quotes",
                 head + "anion,\"oxide, \"\"dry\"\"\",\"O\",2\r\n", {},
                 listOf({TIon("oxide, \"dry\"", "O", 2)}), {}},
        ReadCase{"quoted_line_break", head + "cation,\"Two\r\nlines\",Na,1\r\n", {}, {},
                 {{2, "the name has a control character"}}},
        ReadCase{"tab_in_symbol", head + "anion,oxide,O\t,2\r\n", {}, {},
                 {{2, "the symbol has a control character"}}},
        ReadCase{"delete_in_name", head + "cation,Sod\x7Fium,Na,1\r\n", {}, {},
                 {{2, "the name has a control character"}}},
        ReadCase{"control_named_by_its_own_line",
                 head + "cation,Sodium,Na,1\r\nanion,\"ox\nide\",O,2\r\nanion,ox\x1Fide,O,2\r\n",
                 {}, {}, {{3, "the name has a control character"},
                          {5, "the name has a control character"}}},
        ReadCase{"latin1_letters", head + "cation,Fer(III) \xC3\xA9t\xC3\xA9,Fe,3\r\n",
                 listOf({TIon("Fer(III) \xE9t\xE9", "Fe", 3)}), {}, {}},
        ReadCase{"trailing_blanks_cut", head + "cation,Sodium   ,Na  ,1\r\n",
                 listOf({sodium}), {}, {}},
        ReadCase{"charge_read_as_the_dialogs_do", head + "anion,oxide,O,2-\r\nanion,oxide,O,+2\r\n",
                 {}, listOf({oxide, oxide}), {}},
        ReadCase{"longest_texts", head + "cation,Nineteen characters,Fourteen chars,3xxxx\r\n",
                 listOf({TIon("Nineteen characters", "Fourteen chars", 3)}), {}, {}},
        ReadCase{"empty_file", "", {}, {}, {{1, "the first line must be side,name,symbol,charge"}}},
        ReadCase{"missing_header", "cation,Sodium,Na,1\r\n", {}, {},
                 {{1, "the first line must be side,name,symbol,charge"}}},
        ReadCase{"different_header", "kind,name,symbol,charge\r\n", {}, {},
                 {{1, "the first line must be side,name,symbol,charge"}}},
        ReadCase{"header_after_a_blank_line", "\r\n" + head, {}, {},
                 {{1, "the first line must be side,name,symbol,charge"}}},
        ReadCase{"too_few_fields", head + "cation,Sodium,Na\r\n", {}, {},
                 {{2, "the row has 3 fields instead of 4"}}},
        ReadCase{"too_many_fields", head + "cation,Sodium,Na,1,\r\n", {}, {},
                 {{2, "the row has 5 fields instead of 4"}}},
        ReadCase{"unknown_side", head + "Cation,Sodium,Na,1\r\n", {}, {},
                 {{2, "the side must be cation or anion"}}},
        ReadCase{"bad_utf8", head + "cation,Sodium,Na,1\r\ncation,Fer \xE9,Fe,3\r\n", {}, {},
                 {{3, "the text is not UTF-8"}}},
        ReadCase{"overlong_utf8", head + "cation,\xC0\xAF,Na,1\r\n", {}, {},
                 {{2, "the text is not UTF-8"}}},
        ReadCase{"beyond_latin1", head + "cation,Euro \xE2\x82\xAC,Na,1\r\n", {}, {},
                 {{2, "the name has a character the lists cannot hold"}}},
        ReadCase{"zero_character", head + "anion,oxide,O\0x,2\r\n"_qba, {}, {},
                 {{2, "the symbol has a zero character"}}},
        ReadCase{"name_too_long", head + "cation,Twenty characters!!!,Na,1\r\n", {}, {},
                 {{2, "the name is longer than 19 characters"}}},
        ReadCase{"latin1_counts_characters_not_bytes",
                 head + "cation,\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3"
                        "\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9"
                        "\xC3\xA9\xC3\xA9,Na,1\r\n",
                 {}, {}, {{2, "the name is longer than 19 characters"}}},
        ReadCase{"symbol_too_long", head + "anion,acetate,CH3COOCH3COOxyz,1\r\n", {}, {},
                 {{2, "the symbol is longer than 14 characters"}}},
        ReadCase{"charge_too_long", head + "anion,oxide,O,000002\r\n", {}, {},
                 {{2, "the charge is longer than 5 characters"}}},
        ReadCase{"blanks_count_towards_the_length", head + "cation,Nineteen characters ,Na,1\r\n",
                 {}, {}, {{2, "the name is longer than 19 characters"}}},
        ReadCase{"empty_name", head + "cation,,Na,1\r\n", {}, {},
                 {{2, "the name is empty or begins with a blank"}}},
        ReadCase{"blank_first_name", head + "cation, Sodium,Na,1\r\n", {}, {},
                 {{2, "the name is empty or begins with a blank"}}},
        ReadCase{"empty_symbol", head + "cation,Sodium,,1\r\n", {}, {},
                 {{2, "the symbol is empty or begins with a blank"}}},
        ReadCase{"blank_first_charge", head + "cation,Sodium,Na, 1\r\n", {}, {},
                 {{2, "the charge is empty or begins with a blank"}}},
        ReadCase{"name_checked_before_symbol", head + "cation,,,\r\n", {}, {},
                 {{2, "the name is empty or begins with a blank"}}},
        ReadCase{"charge_zero", head + "anion,oxide,O,0\r\n", {}, {},
                 {{2, "the charge is not a number from 1 to 4"}}},
        ReadCase{"charge_five", head + "anion,oxide,O,5\r\n", {}, {},
                 {{2, "the charge is not a number from 1 to 4"}}},
        ReadCase{"charge_negative", head + "anion,oxide,O,-2\r\n", {}, {},
                 {{2, "the charge is not a number from 1 to 4"}}},
        ReadCase{"charge_letters", head + "anion,oxide,O,two\r\n", {}, {},
                 {{2, "the charge is not a number from 1 to 4"}}},
        ReadCase{"unclosed_quote", head + "cation,\"Sodium,Na,1\r\n", {}, {},
                 {{2, "a quoted field is not closed"}}},
        ReadCase{"text_after_closing_quote", head + "cation,\"Sod\"ium,Na,1\r\nanion,oxide,O,9\r\n",
                 {}, {},
                 {{2, "text follows the closing quote of a field"},
                  {3, "the charge is not a number from 1 to 4"}}},
        ReadCase{"stray_quote", head + "cation,Sod\"ium,Na,1\r\n", {}, {},
                 {{2, "a quote inside a field that does not begin with one"}}},
        ReadCase{"every_bad_row_listed_with_the_line_it_starts_on",
                 head + "cation,Sodium,Na,1\r\n"
                        "cation,\"Two\r\nlines\",,1\r\n"
                        "\r\n"
                        "anion,oxide,O,7\r\n"
                        "anion,chloride,Cl,1\r\n"
                        "salt,chloride,Cl,1\r\n",
                 {}, {},
                 {{3, "the name has a control character"},
                  {6, "the charge is not a number from 1 to 4"},
                  {8, "the side must be cation or anion"}}}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

struct WriteCase {
    const char* name;
    TIon cation;
    QByteArray row;
};

void PrintTo(const WriteCase& row, std::ostream* out)
{
    *out << row.name;
}

class WriteTable : public testing::TestWithParam<WriteCase> {};

TEST_P(WriteTable, QuotesOnlyWhatMustBeQuoted)
{
    const WriteCase& row = GetParam();
    IonCatalogue lists;
    lists.cations.append(row.cation);
    EXPECT_EQ(lists_csv::write(lists), head + row.row + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(
    ListsCsv, WriteTable,
    testing::Values(WriteCase{"plain", TIon("Sodium", "Na", 1), "cation,Sodium,Na,1"},
                    WriteCase{"blanks_and_brackets", TIon("Iron(III) ion", "Fe", 3),
                              "cation,Iron(III) ion,Fe,3"},
                    WriteCase{"comma", TIon("Iron, ferric", "Fe", 3), "cation,\"Iron, ferric\",Fe,3"},
                    WriteCase{"quote_doubled", TIon("The \"red\" one", "Fe", 3),
                              "cation,\"The \"\"red\"\" one\",Fe,3"},
                    WriteCase{"line_feed", TIon("Two\nlines", "Fe", 3), "cation,\"Two\nlines\",Fe,3"},
                    WriteCase{"carriage_return", TIon("A\rB", "Fe", 3), "cation,\"A\rB\",Fe,3"},
                    WriteCase{"latin1_to_utf8", TIon("Fer \xE9\xFF", "\xC5", 2),
                              "cation,Fer \xC3\xA9\xC3\xBF,\xC3\x85,2"},
                    WriteCase{"charge_as_stored", TIon("Odd", "Xx", 12), "cation,Odd,Xx,12"}),
    [](const testing::TestParamInfo<WriteCase>& info) { return std::string(info.param.name); });

TEST(ListsCsv, WritesCationsThenAnionsInListOrder)
{
    IonCatalogue lists;
    lists.anions.append(TIon("oxide", "O", 2));
    lists.cations.append(TIon("Sodium", "Na", 1));
    lists.anions.append(TIon("chloride", "Cl", 1));
    lists.cations.append(TIon("Zinc", "Zn", 2));
    EXPECT_EQ(lists_csv::write(lists), head + "cation,Sodium,Na,1\r\ncation,Zinc,Zn,2\r\n"
                                              "anion,oxide,O,2\r\nanion,chloride,Cl,1\r\n");
}

QByteArray starterFile(const char* name)
{
    QFile file(QStringLiteral(VALKORA_SOURCE_DIR "/data/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

struct RoundTripCase {
    const char* name;
    QByteArray cationFile;
    QByteArray anionFile;
};

void PrintTo(const RoundTripCase& row, std::ostream* out)
{
    *out << row.name;
}

class RoundTripTable : public testing::TestWithParam<RoundTripCase> {};

TEST_P(RoundTripTable, ExportThenImportGivesTheSameFilesByteForByte)
{
    const RoundTripCase& row = GetParam();
    ASSERT_FALSE(row.cationFile.isEmpty());
    IonCatalogue lists;
    lists.cations = catalogue_file::parse(row.cationFile).ions;
    lists.anions = catalogue_file::parse(row.anionFile).ions;

    const lists_csv::ReadResult back = lists_csv::read(lists_csv::write(lists));
    ASSERT_TRUE(back.lists.has_value());
    EXPECT_EQ(catalogue_file::serialize(back.lists->cations), row.cationFile);
    EXPECT_EQ(catalogue_file::serialize(back.lists->anions), row.anionFile);
}

IonList handMadeCations()
{
    return listOf({TIon("Iron, \"ferric\"", "Fe", 3), TIon("Fer(II) \xE9t\xE9", "Fe", 2),
                   TIon("\"", "\xC5", 1), TIon("Nineteen characters", "(Fe4[Fe(CN)6])", 4)});
}

IonList handMadeAnions()
{
    return listOf({TIon("oxide,", ",O", 2), TIon("chlorure \xAB" "Cl\xBB", "Cl", 1)});
}

INSTANTIATE_TEST_SUITE_P(
    ListsCsv, RoundTripTable,
    testing::Values(RoundTripCase{"starter_lists", starterFile("valkora.cat"), starterFile("valkora.ani")},
                    RoundTripCase{"quotes_commas_latin1",
                                  catalogue_file::serialize(handMadeCations()),
                                  catalogue_file::serialize(handMadeAnions())}),
    [](const testing::TestParamInfo<RoundTripCase>& info) { return std::string(info.param.name); });

} // namespace
