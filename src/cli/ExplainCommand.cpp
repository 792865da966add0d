#include "cli/CliCommand.h"
#include "compound/AnswerDiagnosis.h"
#include "compound/CompoundIndex.h"
#include "compound/CompoundRules.h"
#include "platform/CsvText.h"
#include "platform/Latin1.h"

#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <numeric>
#include <unordered_set>
#include <variant>

namespace cli {

namespace {

using answer_diagnosis::Finding;

// Damaged lists (thousands of entries with an empty name, say) can make one text from a product
// of entries; their answers come from the first pairs so that no question waits on it.
constexpr std::size_t mostPairs = 10000;

// An answer marked as the practice marks it: equal byte for byte to an answer of the question.
struct Marking {
    std::vector<std::string> answers; // each distinct one once, in list order
    bool correct = false;
    std::vector<Finding> findings; // a wrong answer's
};

class Marker {
public:
    explicit Marker(const IonCatalogue& lists) : index(lists) {}

    // Both texts in UTF-8. A name asks for the formula, a formula for the name; nothing when the
    // question is no compound of the lists. An answer with a character the lists cannot hold is
    // wrong, and nothing the diagnosis could say about it would be sure.
    std::optional<Marking> mark(std::string_view questionUtf8, std::string_view typedUtf8) const
    {
        const std::optional<std::string> question = csv_text::latin1FromUtf8(questionUtf8);
        if (!question)
            return std::nullopt;
        const std::optional<std::string> typed = csv_text::latin1FromUtf8(typedUtf8);
        std::vector<IonPair> pairs = index.pairsNamed(*question, mostPairs);
        const bool nameAsked = pairs.empty();
        if (nameAsked)
            pairs = index.pairsWithFormula(*question, mostPairs);
        if (pairs.empty())
            return std::nullopt;
        const auto ions = [this](const IonPair& pair) {
            return std::pair<const TIon&, const TIon&>(index.lists.cations.at(pair.cation),
                                                       index.lists.anions.at(pair.anion));
        };
        Marking marking;
        std::unordered_set<std::string> given;
        for (const IonPair& pair : pairs) {
            const auto [cation, anion] = ions(pair);
            std::string answer = nameAsked ? compoundName(cation, anion) : compoundFormula(cation, anion);
            if (given.insert(answer).second)
                marking.answers.push_back(std::move(answer));
        }
        marking.correct = typed && given.contains(*typed);
        if (typed && !marking.correct) {
            const auto [cation, anion] = ions(pairs.front());
            marking.findings = answer_diagnosis::diagnose(
                {cation, anion, nameAsked}, *typed, {index.lists.cations, index.lists.anions});
        }
        return marking;
    }

private:
    CompoundIndex index;
};

QString notACompound(const QString& question)
{
    return "\"" + question + "\" is no compound name or formula of the lists";
}

int explainOne(Command& command)
{
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    const QString question = command.positionals().at(0);
    const std::optional<Marking> marking =
        Marker(*lists).mark(question.toStdString(), command.positionals().at(1).toStdString());
    if (!marking) {
        command.io.err << "valkora-cli explain: " << notACompound(question) << "\n";
        return badInput;
    }
    QTextStream& out = command.io.out;
    out << (marking->correct ? "correct" : "wrong") << "\n";
    for (const std::string& answer : marking->answers)
        out << "correct answer: " << fromLatin1Bytes(answer) << "\n";
    for (const Finding& finding : marking->findings)
        out << QString::fromLatin1(answer_diagnosis::identifier(finding.kind)) << ": "
            << fromLatin1Bytes(finding.sentence) << "\n";
    return done;
}

// A row of the marked file: the fields, empty ones up to width, then the added ones.
void appendRow(QByteArray& out, std::vector<std::string> fields, std::size_t width,
               const std::vector<std::string>& added)
{
    fields.resize(width);
    fields.insert(fields.end(), added.begin(), added.end());
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += ',';
        csv_text::appendField(out, fields[i]);
    }
    out += "\r\n";
}

// The column whose header is the name, blanks round it and capitals aside.
std::optional<std::size_t> columnNamed(const std::vector<std::string>& header, const char* name)
{
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (QString::fromUtf8(header[i]).trimmed().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return std::nullopt;
}

// A class's answers as read, the blank rows left out.
struct AnswerSheet {
    bool byteOrderMark = false;
    std::vector<std::string> header;
    std::vector<csv_text::Row> body;
    std::size_t width = 0; // the most fields of any row
    std::optional<std::size_t> questionColumn;
    std::optional<std::size_t> answerColumn;
};

// The answers file into sheet. An exit status when it cannot be read as answers.
std::optional<int> readAnswerSheet(Command& command, const QString& path, AnswerSheet& sheet)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return command.inputError(path, "cannot be opened");
    const QByteArray bytes = file.readAll();
    std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // A spreadsheet that wrote the mark reads its own output as UTF-8 only when it is kept.
    sheet.byteOrderMark = text.starts_with(csv_text::byteOrderMark);
    if (sheet.byteOrderMark)
        text.remove_prefix(csv_text::byteOrderMark.size());
    if (const int line = csv_text::firstBadUtf8Line(text))
        return command.inputError(path, QString("line %1: the text is not UTF-8").arg(line));
    csv_text::Rows rows(text);
    const csv_text::Row header = rows.atEnd() ? csv_text::Row{1, {}, std::nullopt} : rows.next();
    sheet.questionColumn = columnNamed(header.fields, "question");
    sheet.answerColumn = columnNamed(header.fields, "answer");
    if (header.error || !sheet.questionColumn || !sheet.answerColumn)
        return command.inputError(path, "line 1: the first line must name a question and an answer column");
    sheet.header = header.fields;
    sheet.width = header.fields.size();
    while (!rows.atEnd()) {
        csv_text::Row row = rows.next();
        if (row.blank())
            continue;
        sheet.width = std::max(sheet.width, row.fields.size());
        sheet.body.push_back(std::move(row));
    }
    return std::nullopt;
}

// The row's marking, or why it has none.
std::variant<Marking, QString> markRow(const Marker& marker, const AnswerSheet& sheet,
                                       const csv_text::Row& row)
{
    if (row.error)
        return QString::fromStdString(*row.error);
    // A row of more or fewer fields has its columns shifted: its question is not where
    // the header says.
    if (row.fields.size() != sheet.header.size())
        return QString("the row has %1 field%2 instead of %3")
            .arg(row.fields.size())
            .arg(row.fields.size() == 1 ? "" : "s")
            .arg(sheet.header.size());
    const std::string& question = row.fields[*sheet.questionColumn];
    if (std::optional<Marking> marking = marker.mark(question, row.fields[*sheet.answerColumn]))
        return std::move(*marking);
    return notACompound(QString::fromStdString(question));
}

// The columns a marked row gains: verdict, correct, kinds and feedback.
std::vector<std::string> markedColumns(const Marking& marking)
{
    std::string answers;
    for (const std::string& answer : marking.answers)
        answers += (answers.empty() ? "" : " or ") + answer;
    std::string kinds;
    std::string feedback;
    for (const Finding& finding : marking.findings) {
        kinds += (kinds.empty() ? "" : ";") + std::string(answer_diagnosis::identifier(finding.kind));
        feedback += (feedback.empty() ? "" : " ") + finding.sentence;
    }
    return {marking.correct ? "correct" : "wrong", csv_text::utf8FromLatin1(answers), kinds,
            csv_text::utf8FromLatin1(feedback)};
}

// "12 of 30 wrong: brackets-missing 5, numeral-missing 3": the kinds of the wrong answers,
// each counted once an answer, the most frequent first.
QString tallyLine(const std::vector<Marking>& markings)
{
    int wrong = 0;
    std::array<int, answer_diagnosis::kindCount> counts{};
    for (const Marking& marking : markings) {
        wrong += marking.correct ? 0 : 1;
        std::array<bool, answer_diagnosis::kindCount> seen{};
        for (const Finding& finding : marking.findings) {
            const auto kind = static_cast<std::size_t>(finding.kind);
            counts[kind] += seen[kind] ? 0 : 1;
            seen[kind] = true;
        }
    }
    QString line = QString("%1 of %2 wrong").arg(wrong).arg(markings.size());
    std::array<int, answer_diagnosis::kindCount> kinds{};
    std::iota(kinds.begin(), kinds.end(), 0);
    std::stable_sort(kinds.begin(), kinds.end(), [&](int a, int b) { return counts[a] > counts[b]; });
    const char* separator = ": ";
    for (const int kind : kinds) {
        if (counts[kind] == 0)
            break;
        const std::string_view name = answer_diagnosis::identifier(answer_diagnosis::Kind(kind));
        line += separator + QString::fromLatin1(name) + " " + QString::number(counts[kind]);
        separator = ", ";
    }
    return line;
}

int explainCsv(Command& command, const QString& path)
{
    AnswerSheet sheet;
    if (const auto stop = readAnswerSheet(command, path, sheet))
        return *stop;
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    const Marker marker(*lists);
    // Every row keeps all its fields and the new columns stand after the longest.
    QByteArray marked(sheet.byteOrderMark ? csv_text::byteOrderMark.data() : "");
    appendRow(marked, sheet.header, sheet.width, {"verdict", "correct", "kinds", "feedback"});
    std::vector<Marking> markings;
    for (const csv_text::Row& row : sheet.body) {
        std::variant<Marking, QString> marking = markRow(marker, sheet, row);
        if (const QString* problem = std::get_if<QString>(&marking)) {
            command.inputError(path, QString("line %1: ").arg(row.line) + *problem);
            appendRow(marked, row.fields, sheet.width, {"unknown", "", "", ""});
            continue;
        }
        markings.push_back(std::move(std::get<Marking>(marking)));
        appendRow(marked, row.fields, sheet.width, markedColumns(markings.back()));
    }
    const bool written = command.writeOutput(marked) == done;
    command.io.err << tallyLine(markings) << "\n";
    const bool anyUnknown = markings.size() < sheet.body.size();
    return anyUnknown || !written ? badInput : done;
}

} // namespace

int explainCommand(const QStringList& args, Streams io)
{
    Command command(
        "explain QUESTION ANSWER [--dir DIR]\n"
        "       valkora-cli explain --csv ANSWERS.csv [-o MARKED.csv] [--dir DIR]",
        "Marks an answer as the practice marks it, byte for byte, and prints correct or wrong, "
        "the correct answer and, for a wrong answer, what went wrong: one finding a line as "
        "KIND: sentence. QUESTION is a compound's name (its formula is asked for) or formula "
        "(its name is asked for) as the practice shows it.\n"
        "With --csv, marks a class's answers: a CSV file whose header names a question and an "
        "answer column comes back with the columns verdict, correct, kinds and feedback added, "
        "a tally of the wrong answers on stderr. A row whose question is no compound of the "
        "lists is named with its line and marked unknown.\n"
        "Exit status 1 when a question is no compound of the lists.",
        io, {{"csv", "The answers to mark, as CSV.", "ANSWERS.csv"},
             {{"o", "output"}, "With --csv: the marked CSV file to write.", "MARKED.csv"}});
    if (const auto stop = command.parseOptions(args))
        return *stop;
    const qsizetype given = command.positionals().size();
    const bool csv = command.parser.isSet("csv");
    if (csv && given > 0)
        return command.usageError("unexpected argument " + command.positionals().at(0));
    if (!csv && command.parser.isSet("o"))
        return command.usageError("-o is for --csv");
    if (!csv && given != 2)
        return command.usageError(given < 2 ? "a question and an answer are needed"
                                            : "takes one question and one answer");
    return csv ? explainCsv(command, command.parser.value("csv")) : explainOne(command);
}

} // namespace cli
