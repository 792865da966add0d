#pragma once

#include "cli/CliCommand.h"
#include "export/ExportedQuiz.h"

#include <QString>

#include <optional>
#include <vector>

// What export and make share to send a quiz to a learning platform: the formats, how names
// are marked, and what to do with an exercise the lists cannot answer one way.
namespace cli {

struct PlatformFormat {
    const char* name;      // as --format names it
    const char* extension; // of the file written
    QByteArray (*write)(const quiz_export::Quiz&, const quiz_export::Marking&);
};

struct PlatformRequest {
    std::vector<const PlatformFormat*> formats;
    quiz_export::Marking marking;
    bool skipUnanswered = false;
};

// --format, --names-any-case and --skip-unanswered, for a command that adds them.
QList<QCommandLineOption> platformOptions(const QString& formatHelp);
// The options into request: --format a comma-separated list where several are allowed, else
// one name; none given is no format. An exit status when they will not do.
std::optional<int> readPlatformRequest(Command& command, bool severalFormats,
                                       PlatformRequest& request);

// The quiz answered from the lists. Each exercise they cannot answer one way is named on err
// under the quiz's file name; unless the request leaves them out, that ends the command,
// and so does a quiz with no exercise left. An exit status when the command ends here.
std::optional<int> preparePlatformQuiz(Command& command, const QString& quizPath,
                                       const SentenceList& quiz, const IonCatalogue& lists,
                                       const PlatformRequest& request, quiz_export::Quiz& prepared);

// The prepared quiz in one format to the file.
int writePlatformFile(Command& command, const PlatformFormat& format,
                      const quiz_export::Quiz& quiz, const PlatformRequest& request,
                      const QString& path);

} // namespace cli
