#include "app/CommandLine.h"
#include "app/TMyApp.h"

#include <QCoreApplication>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

void print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char** argv)
{
    // Help and the version are answered before the application connects to a display, so
    // both work on a machine without one.
    const CommandLine early = parseCommandLine(argumentsOf(argc, argv));
    if (early.action == CommandLine::Action::Help) {
        print(stdout, commandLineHelp());
        return 0;
    }
    if (early.action == CommandLine::Action::Version) {
        print(stdout, versionLine());
        return 0;
    }

    TMyApp app(argc, argv);
    // The window system's own options (-platform, -style, ...) are gone from the list now.
    const CommandLine request = parseCommandLine(QCoreApplication::arguments());
    if (request.action != CommandLine::Action::Run) {
        print(stderr, "valkora: " + request.error + "\nTry 'valkora --help'.\n");
        return 2;
    }
    return app.run(request.quizFile);
}
