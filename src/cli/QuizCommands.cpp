#include "cli/CliCommand.h"
#include "cli/PdfOutput.h"
#include "cli/PlatformExport.h"
#include "compound/IonRange.h"
#include "platform/Latin1.h"
#include "platform/Random.h"
#include "platform/SafeSave.h"
#include "print/ChainedPrintout.h"
#include "quiz/AnswerKey.h"
#include "quiz/AnswerKeyPrintout.h"
#include "quiz/MyQuizPrintout.h"
#include "quiz/QuizFile.h"
#include "quiz/QuizGeneration.h"
#include "quiz/QuizHeading.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <algorithm>

namespace cli {

namespace {

// Versions are lettered as spreadsheet columns are: A to Z, then AA, AB, ... ZZ.
constexpr int maxVersions = 26 + 26 * 26;

QString versionLetters(int index)
{
    QString letters;
    for (int n = index + 1; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar('A' + (n - 1) % 26));
    return letters;
}
// Seeds tried past one whose quiz repeats an earlier version before the lists are taken to
// allow no other.
constexpr int maxReseeds = 1000;

QCommandLineOption pageSizeOption()
{
    return {"page-size", "The paper of a PDF: A4 (default) or Letter.", "SIZE", "A4"};
}

// --page-size into size. An exit status when it names no paper this program knows.
std::optional<int> readPageSize(Command& command, QPageSize& size)
{
    const QString name = command.parser.value("page-size").toLower();
    if (name != "a4" && name != "letter")
        return command.usageError("the page size is A4 or Letter");
    size = QPageSize(name == "a4" ? QPageSize::A4 : QPageSize::Letter);
    return std::nullopt;
}

// "1.  CaCl2" a line, then the line about unanswered exercises when there are any.
QString keyText(const answer_key::Key& key)
{
    QString text;
    for (const answer_key::Answer& answer : key.answers)
        text += QString::number(answer.number) + ".  " + fromLatin1Bytes(answer.text) + "\n";
    const std::string unanswered = answer_key::unansweredLine(key.unanswered);
    if (!unanswered.empty())
        text += fromLatin1Bytes(unanswered) + "\n";
    return text;
}

int writePdf(Command& command, Printout& printout, const QPageSize& size, const QString& path)
{
    const std::optional<QByteArray> pdf = printToPdf(printout, size);
    if (!pdf)
        return command.inputError(path, "has nothing to print");
    if (const SaveOutcome saved = saveWhole(path, *pdf); !saved)
        return command.writeError(path, saved);
    return done;
}

// A stored quiz and the paper to print it on.
struct StoredQuiz {
    SentenceList quiz;
    QPageSize size;
};

// The quiz stored in the file. An exit status when it cannot be read whole.
std::optional<int> readQuizFile(Command& command, const QString& path, SentenceList& quiz)
{
    quiz_file::ReadResult read = quiz_file::read(path);
    if (!read.opened)
        return command.inputError(path, "cannot be opened");
    if (read.sentences.size() < read.promised)
        return command.inputError(path, QString::fromStdString(quiz_file::damagedMessage(
                                            QFileInfo(path).fileName().toStdString(), read)));
    quiz = std::move(read.sentences);
    return std::nullopt;
}

// What key and print share: the one quiz file named, -o when it is needed, --page-size, and
// the quiz read from the file. An exit status when the command ends here.
std::optional<int> readStoredQuiz(Command& command, const QStringList& args, bool outputNeeded,
                                  StoredQuiz& stored)
{
    if (const auto stop = command.parse(args, 1))
        return stop;
    if (outputNeeded && !command.parser.isSet("o"))
        return command.usageError("-o FILE.pdf is needed");
    if (const auto stop = readPageSize(command, stored.size))
        return stop;
    return readQuizFile(command, command.positionals().at(0), stored.quiz);
}

// What make was asked for, every value checked.
struct MakeRequest {
    IonRange range;
    int versions = 1;
    std::uint32_t seed = 0;
    QPageSize size;
    QString headingPath;
    QString folder;
    PlatformRequest platform; // the formats each version also goes out in
};

// make's parsed options into request. An exit status when they will not do.
std::optional<int> readMakeRequest(Command& command, MakeRequest& request)
{
    const QCommandLineParser& parser = command.parser;
    for (const char* needed : {"cations", "anions", "o"}) {
        if (!parser.isSet(needed))
            return command.usageError(QString(needed) == "o" ? QString("-o DIR is needed")
                                                             : QString("--%1 is needed").arg(needed));
    }
    bool cationsOk = false;
    bool anionsOk = false;
    bool versionsOk = false;
    request.range = {parser.value("cations").toUInt(&cationsOk),
                     parser.value("anions").toUInt(&anionsOk)};
    request.versions = parser.value("versions").toInt(&versionsOk);
    if (!cationsOk || !anionsOk)
        return command.usageError("--cations and --anions take a whole number");
    if (!versionsOk || request.versions < 1 || request.versions > maxVersions)
        return command.usageError("--versions takes a number from 1 to 702");
    bool seedOk = true;
    request.seed = parser.isSet("seed") ? parser.value("seed").toUInt(&seedOk)
                                        : static_cast<std::uint32_t>(QDateTime::currentSecsSinceEpoch());
    if (!seedOk)
        return command.usageError("--seed takes a whole number from 0 to 4294967295");
    request.headingPath = parser.isSet("heading") ? parser.value("heading")
                                                  : command.dataFile(quiz_heading::fileName);
    request.folder = parser.value("o");
    if (const auto stop = readPlatformRequest(command, true, request.platform))
        return stop;
    return readPageSize(command, request.size);
}

// A version of make's, ready to write.
struct Version {
    QString name; // "quiz-A"
    std::uint32_t seed = 0;
    SentenceList quiz;
    std::vector<CompoundPair> pairs;
    quiz_export::Quiz forPlatform; // when a format is asked for
};

// The versions make was asked for. A version that repeats an earlier one is made again with
// the next seed, as often as maxReseeds allows. An exit status when one cannot go out in a
// format asked for.
std::optional<int> makeVersions(Command& command, const MakeRequest& request,
                                const IonCatalogue& lists,
                                const std::vector<std::string>& headingReads,
                                std::vector<Version>& versions)
{
    const auto createQuiz = [&](Version& made) {
        WorkingLists working;
        buildWorkingLists(lists, request.range, working);
        Random random;
        random.seed(made.seed);
        made.pairs.clear();
        made.quiz = quiz_generation::createQuiz(headingReads, working, random, &made.pairs);
    };
    const auto repeats = [&versions](const SentenceList& quiz) {
        return std::any_of(versions.begin(), versions.end(),
                           [&quiz](const Version& earlier) { return earlier.quiz == quiz; });
    };
    for (int version = 0; version < request.versions; ++version) {
        Version made{QString("quiz-%1").arg(versionLetters(version)),
                     request.seed + static_cast<std::uint32_t>(version), {}, {}, {}};
        createQuiz(made);
        for (int reseeds = 0; repeats(made.quiz); ++reseeds) {
            if (reseeds == maxReseeds) {
                command.io.err << made.name << ": the lists allow no quiz unlike the earlier versions\n";
                break;
            }
            command.io.err << made.name << ": seed " << made.seed
                           << " repeats an earlier version; trying " << made.seed + 1 << "\n";
            ++made.seed;
            createQuiz(made);
        }
        if (!request.platform.formats.empty()) {
            if (const auto stop = preparePlatformQuiz(command, made.name + ".qzz", made.quiz, lists,
                                                      request.platform, made.forPlatform))
                return stop;
        }
        versions.push_back(std::move(made));
    }
    return std::nullopt;
}

// Each version's quiz, PDF and key PDF in the folder, then its files for the platform, and
// its seed on out.
int writeVersions(Command& command, const MakeRequest& request, const IonCatalogue& lists,
                  const std::vector<std::string>& headingReads)
{
    std::vector<Version> versions;
    if (const auto stop = makeVersions(command, request, lists, headingReads, versions))
        return *stop;
    if (!QDir().mkpath(request.folder))
        return command.inputError(request.folder, "cannot be made");
    command.io.out << "Seed: " << request.seed << "\n";
    for (const Version& version : versions) {
        const QString base = QDir(request.folder).filePath(version.name);
        if (const SaveOutcome saved = quiz_file::save(base + ".qzz", version.quiz); !saved)
            return command.writeError(base + ".qzz", saved);
        MyQuizPrintout quizPages(version.quiz);
        AnswerKeyPrintout keyPages(answer_key::fromPairs(version.quiz, version.pairs));
        if (writePdf(command, quizPages, request.size, base + ".pdf") != done ||
            writePdf(command, keyPages, request.size, base + "-key.pdf") != done)
            return badInput;
        for (const PlatformFormat* format : request.platform.formats) {
            if (writePlatformFile(command, *format, version.forPlatform, request.platform,
                                  base + format->extension) != done)
                return badInput;
        }
        command.io.out << version.name << ": seed " << version.seed << "\n";
    }
    return done;
}

} // namespace

int keyCommand(const QStringList& args, Streams io)
{
    Command command("key QUIZ.qzz [-o KEY.pdf|KEY.txt] [--dir DIR]",
                    "The answer key of a stored quiz, answered from the data folder's lists: "
                    "text on stdout, or a PDF or text file by the extension of -o.",
                    io, {{{"o", "output"}, "The key file: .pdf for a PDF, else text.", "FILE"},
                         pageSizeOption()});
    StoredQuiz stored;
    if (const auto stop = readStoredQuiz(command, args, false, stored))
        return *stop;
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    const answer_key::Key key = answer_key::fromCatalogue(stored.quiz, *lists);
    const QString path = command.parser.value("o");
    if (!path.endsWith(".pdf", Qt::CaseInsensitive))
        return command.writeOutput(keyText(key).toUtf8());
    AnswerKeyPrintout printout(key);
    return writePdf(command, printout, stored.size, path);
}

int printCommand(const QStringList& args, Streams io)
{
    Command command("print QUIZ.qzz -o QUIZ.pdf [--key] [--dir DIR]",
                    "A stored quiz as the print dialog prints it, to PDF; with --key its "
                    "answer key follows on pages of its own.",
                    io, {{{"o", "output"}, "The PDF file to write.", "FILE.pdf"},
                         {"key", "Print the answer key after the quiz."},
                         pageSizeOption()});
    StoredQuiz stored;
    if (const auto stop = readStoredQuiz(command, args, true, stored))
        return *stop;
    const bool withKey = command.parser.isSet("key");
    std::optional<IonCatalogue> lists;
    if (withKey && !(lists = command.loadLists()))
        return badInput;
    MyQuizPrintout quizPages(stored.quiz);
    AnswerKeyPrintout keyPages([&] { return answer_key::fromCatalogue(stored.quiz, *lists); });
    ChainedPrintout printout(quizPages, keyPages, withKey);
    return writePdf(command, printout, stored.size, command.parser.value("o"));
}

int makeCommand(const QStringList& args, Streams io)
{
    Command command("make --cations N --anions M [--versions K] [--seed S] [--heading FILE] "
                    "[--page-size A4|Letter] [--format moodle,qti] -o DIR [--dir DIR]",
                    "Makes K quizzes as New does, from the first N cations and M anions, and "
                    "writes DIR/quiz-A.qzz, quiz-A.pdf and quiz-A-key.pdf, then B, C and on; "
                    "with --format also quiz-A.xml (Moodle XML) and quiz-A.zip (QTI 2.1).",
                    io, QList<QCommandLineOption>{
                            {"cations", "The highest cation number drawn from.", "N"},
                         {"anions", "The highest anion number drawn from.", "M"},
                         {"versions", "How many quizzes, 1 to 702 (default 1).", "K", "1"},
                         {"seed", "The first version's seed (default: the time in seconds).", "S"},
                         {"heading", "The heading file (default: the data folder's valkora.hed).", "FILE"},
                         {{"o", "output"}, "The folder to write the quizzes to.", "DIR"},
                         pageSizeOption()}
                        + platformOptions("Also write each version for a learning platform: "
                                          "moodle, qti or both (moodle,qti)."));
    if (const auto stop = command.parse(args, 0))
        return *stop;
    MakeRequest request;
    if (const auto stop = readMakeRequest(command, request))
        return *stop;
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    if (!rangeWithinLists(request.range, *lists)) {
        io.err << ionRangeWarning << "\n";
        return badInput;
    }
    // The heading as New loads it, stored unchanged and read back by the quiz: only what the
    // heading holds is read, however large the file.
    const std::optional<std::string> heading = quiz_heading::loadForEditing(request.headingPath);
    if (!heading)
        return command.inputError(request.headingPath, "cannot be opened");
    return writeVersions(command, request, *lists, quiz_heading::lineReads(*heading));
}

int exportCommand(const QStringList& args, Streams io)
{
    Command command("export QUIZ.qzz --format moodle|qti -o FILE [--names-any-case] "
                    "[--skip-unanswered] [--dir DIR]",
                    "A stored quiz for a learning platform, answered from the data folder's lists "
                    "as key answers it: Moodle XML for Moodle's question bank, or a QTI 2.1 "
                    "package (a zip) for the platforms that import QTI.",
                    io, QList<QCommandLineOption>{{{"o", "output"}, "The file to write.", "FILE"}}
                            + platformOptions("moodle (Moodle XML) or qti (a QTI 2.1 package)."));
    if (const auto stop = command.parse(args, 1))
        return *stop;
    PlatformRequest request;
    if (const auto stop = readPlatformRequest(command, false, request))
        return *stop;
    if (request.formats.empty())
        return command.usageError("--format moodle or --format qti is needed");
    if (!command.parser.isSet("o"))
        return command.usageError("-o FILE is needed");
    const QString path = command.positionals().at(0);
    SentenceList quiz;
    if (const auto stop = readQuizFile(command, path, quiz))
        return *stop;
    const std::optional<IonCatalogue> lists = command.loadLists();
    if (!lists)
        return badInput;
    quiz_export::Quiz prepared;
    if (const auto stop = preparePlatformQuiz(command, path, quiz, *lists, request, prepared))
        return *stop;
    return writePlatformFile(command, *request.formats.front(), prepared, request,
                             command.parser.value("o"));
}

} // namespace cli
