#include "cli/PlatformExport.h"

#include "export/MoodleXml.h"
#include "export/QtiPackage.h"
#include "platform/Latin1.h"

#include <QFileInfo>

#include <stdexcept>

namespace cli {

namespace {

const PlatformFormat formats[] = {
    {"moodle", ".xml", quiz_export::moodleXml},
    {"qti", ".zip", quiz_export::qtiPackage},
};

const PlatformFormat* formatNamed(const QString& name)
{
    for (const PlatformFormat& format : formats)
        if (name == format.name)
            return &format;
    return nullptr;
}

} // namespace

QList<QCommandLineOption> platformOptions(const QString& formatHelp)
{
    return {{"format", formatHelp, "FORMAT"},
            {"names-any-case", "Let the platform take a name in any capitals (formulas never)."},
            {"skip-unanswered",
             "Leave out the exercises the lists cannot answer, or answer two ways, rather than "
             "stop."}};
}

std::optional<int> readPlatformRequest(Command& command, bool severalFormats,
                                       PlatformRequest& request)
{
    const QCommandLineParser& parser = command.parser;
    request.marking.namesAnyCase = parser.isSet("names-any-case");
    request.skipUnanswered = parser.isSet("skip-unanswered");
    if (!parser.isSet("format"))
        return std::nullopt;
    const QStringList names = parser.value("format").split(',');
    if (names.size() > 1 && !severalFormats)
        return command.usageError("--format takes one of moodle and qti");
    for (const QString& name : names) {
        const PlatformFormat* format = formatNamed(name.trimmed().toLower());
        if (!format)
            return command.usageError("unknown format " + name + "; the formats are moodle and qti");
        if (std::find(request.formats.begin(), request.formats.end(), format) == request.formats.end())
            request.formats.push_back(format);
    }
    return std::nullopt;
}

std::optional<int> preparePlatformQuiz(Command& command, const QString& quizPath,
                                       const SentenceList& quiz, const IonCatalogue& lists,
                                       const PlatformRequest& request, quiz_export::Quiz& prepared)
{
    const QFileInfo file(quizPath);
    quiz_export::Prepared answered =
        quiz_export::prepare(toLatin1Bytes(file.completeBaseName()), quiz, lists);
    for (const quiz_export::Unanswered& exercise : answered.unanswered)
        command.io.err << file.fileName() << ": "
                       << fromLatin1Bytes(quiz_export::describe(exercise))
                       << (request.skipUnanswered ? " Left out." : "") << "\n";
    if (!answered.unanswered.empty() && !request.skipUnanswered)
        return command.inputError(file.fileName(), "nothing written; --skip-unanswered leaves "
                                                   "such exercises out");
    if (answered.quiz.exercises.empty())
        return command.inputError(file.fileName(), "has no exercise the current lists answer");
    prepared = std::move(answered.quiz);
    return std::nullopt;
}

int writePlatformFile(Command& command, const PlatformFormat& format,
                      const quiz_export::Quiz& quiz, const PlatformRequest& request,
                      const QString& path)
{
    QByteArray bytes;
    try {
        bytes = format.write(quiz, request.marking);
    } catch (const std::runtime_error& failure) {
        return command.writeError(path, SaveOutcome::failed(QString::fromLocal8Bit(failure.what())));
    }
    if (const SaveOutcome saved = saveWhole(path, bytes); !saved)
        return command.writeError(path, saved);
    return done;
}

} // namespace cli
