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

namespace cli {

namespace {

using answer_diagnosis::Finding;

// Damaged lists (thousands of entries with an empty name, say) can make one text from a product
// of entries; their answers come from the first pairs so that no question waits on it.
constexpr std::size_t mostPairs = 10000;

const char* const newColumns[] = {"verdict", "correct", "kinds", "feedback"};

// An answer marked as the practice marks it: equal byte for byte to an answer of the question.
struct Marking {
    std::vector<std::string> answers; // each distinct one once, in list order
    bool correct = false;
    std::vector<Finding> findings;
};

class Marker {
public:
    explicit Marker(const IonCatalogue& lists) : index(lists) {}

    // A name asks for the formula, a formula for the name; nothing when the question is no
    // compound of the lists. typed is nothing when it holds a character the lists cannot
    // hold: wrong, and nothing the diagnosis could say about it would be sure.
    std::optional<Marking> mark(const std::string& question,
                                const std::optional<std::string>& typed) const
    {
        std::vector<IonPair> pairs = index.pairsNamed(question, mostPairs);
        const bool nameAsked = pairs.empty();
        if (nameAsked)
            pairs = index.pairsWithFormula(question, mostPairs);
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

QString identifierText(answer_diagnosis::Kind kind)
{
    const std::string_view name = answer_diagnosis::identifier(kind);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

std::optional<std::string> latin1Of(const QString& text)
{
    return csv_text::latin1FromUtf8(text.toStdString());
}

QString notACompound(const QString& question)
{
    return "\"" + question + "\" is no compound name or formula of the lists";
}

int explainOne(Command& command, const Marker& marker)
{
    const QString question = command.positionals().at(0);
    const std::optional<std::string> questionText = latin1Of(question);
    const std::optional<Marking> marking =
        questionText ? marker.mark(*questionText, latin1Of(command.positionals().at(1))) : std::nullopt;
    if (!marking) {
        command.io.err << "valkora-cli explain: " << notACompound(question) << "\n";
        return badInput;
    }
    QTextStream& out = command.io.out;
    out << (marking->correct ? "correct" : "wrong") << "\n";
    for (const std::string& answer : marking->answers)
        out << "correct answer: " << fromLatin1Bytes(answer) << "\n";
    for (const Finding& finding : marking->findings)
        out << identifierText(finding.kind) << ": " << fromLatin1Bytes(finding.sentence) << "\n";
    return done;
}

void appendRow(QByteArray& out, const std::vector<std::string>& fields)
{
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

// "12 of 30 wrong: brackets-missing 5, numeral-missing 3": the kinds of the wrong answers,
// each counted once an answer, the most frequent first.
QString tallyLine(int wrong, int marked, const std::array<int, answer_diagnosis::kindCount>& counts)
{
    QString line = QString("%1 of %2 wrong").arg(wrong).arg(marked);
    std::array<int, answer_diagnosis::kindCount> kinds{};
    std::iota(kinds.begin(), kinds.end(), 0);
    std::stable_sort(kinds.begin(), kinds.end(), [&](int a, int b) { return counts[a] > counts[b]; });
    const char* separator = ": ";
    for (const int kind : kinds) {
        if (counts[kind] == 0)
            break;
        line += separator + identifierText(answer_diagnosis::Kind(kind)) + " " +
                QString::number(counts[kind]);
        separator = ", ";
    }
    return line;
}

int explainCsv(Command& command, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return command.inputError(path, "cannot be opened");
    const QByteArray bytes = file.readAll();
    std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    // A spreadsheet that wrote the mark reads its own output as UTF-8 only when it is kept.
    const bool byteOrderMark = text.starts_with(csv_text::byteOrderMark);
    if (byteOrderMark)
        text.remove_prefix(csv_text::byteOrderMark.size());
    if (const int line = csv_text::firstBadUtf8Line(text))
        return command.inputError(path, QString("line %1: the text is not UTF-8").arg(line));
    csv_text::Rows rows(text);
    const csv_text::Row header = rows.atEnd() ? csv_text::Row{1, {}, std::nullopt} : rows.next();
    const std::optional<std::size_t> questionColumn = columnNamed(header.fields, "question");
    const std::optional<std::size_t> answerColumn = columnNamed(header.fields, "answer");
    if (header.error || !questionColumn || !answerColumn)
        return command.inputError(path, "line 1: the first line must name a question and an answer column");
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    const Marker marker(*lists);

    std::vector<csv_text::Row> body;
    std::size_t width = header.fields.size();
    while (!rows.atEnd()) {
        csv_text::Row row = rows.next();
        if (row.blank())
            continue;
        width = std::max(width, row.fields.size());
        body.push_back(std::move(row));
    }
    // Every row keeps all its fields and the new columns stand after the longest.
    QByteArray marked(byteOrderMark ? csv_text::byteOrderMark.data() : "");
    std::vector<std::string> headerFields = header.fields;
    headerFields.resize(width);
    headerFields.insert(headerFields.end(), std::begin(newColumns), std::end(newColumns));
    appendRow(marked, headerFields);

    bool anyBad = false;
    int markedCount = 0;
    int wrongCount = 0;
    std::array<int, answer_diagnosis::kindCount> kindCounts{};
    for (const csv_text::Row& row : body) {
        std::optional<QString> problem = row.error ? std::optional(QString::fromStdString(*row.error))
                                                   : std::nullopt;
        std::optional<Marking> marking;
        // A row of more or fewer fields has its columns shifted: its question is not where
        // the header says.
        if (!problem && row.fields.size() != header.fields.size())
            problem = QString("the row has %1 field%2 instead of %3")
                          .arg(row.fields.size())
                          .arg(row.fields.size() == 1 ? "" : "s")
                          .arg(header.fields.size());
        if (!problem) {
            const std::string& question = row.fields[*questionColumn];
            if (const std::optional<std::string> questionText = csv_text::latin1FromUtf8(question))
                marking = marker.mark(*questionText, csv_text::latin1FromUtf8(row.fields[*answerColumn]));
            if (!marking)
                problem = notACompound(QString::fromStdString(question));
        }
        std::vector<std::string> fields = row.fields;
        fields.resize(width);
        if (problem) {
            command.inputError(path, QString("line %1: ").arg(row.line) + *problem);
            anyBad = true;
            fields.insert(fields.end(), {"unknown", "", "", ""});
            appendRow(marked, fields);
            continue;
        }
        ++markedCount;
        std::string answers;
        for (const std::string& answer : marking->answers)
            answers += (answers.empty() ? "" : " or ") + answer;
        std::string kinds;
        std::string feedback;
        std::array<bool, answer_diagnosis::kindCount> seen{};
        for (const Finding& finding : marking->findings) {
            kinds += (kinds.empty() ? "" : ";") + std::string(answer_diagnosis::identifier(finding.kind));
            feedback += (feedback.empty() ? "" : " ") + finding.sentence;
            seen[static_cast<std::size_t>(finding.kind)] = true;
        }
        if (!marking->correct) {
            ++wrongCount;
            for (std::size_t kind = 0; kind < seen.size(); ++kind)
                kindCounts[kind] += seen[kind] ? 1 : 0;
        }
        fields.insert(fields.end(), {marking->correct ? "correct" : "wrong", csv_text::utf8FromLatin1(answers),
                                     kinds, csv_text::utf8FromLatin1(feedback)});
        appendRow(marked, fields);
    }

    const bool written = command.writeOutput(marked) == done;
    command.io.err << tallyLine(wrongCount, markedCount, kindCounts) << "\n";
    return anyBad || !written ? badInput : done;
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
    if (csv)
        return explainCsv(command, command.parser.value("csv"));
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    return explainOne(command, Marker(*lists));
}

} // namespace cli
