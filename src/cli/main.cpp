#include "cli/Cli.h"

#include <QGuiApplication>
#include <QTextStream>

#include <cstdio>

namespace {

// Offscreen, Qt warns about a missing runtime folder it never needs for fonts and PDFs; the
// command's stderr is for what went wrong with its own input.
void quietRuntimeFolder(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtWarningMsg && message.startsWith("QStandardPaths: "))
        return;
    fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv)
{
    qInstallMessageHandler(quietRuntimeFolder);
    // Fonts and PDF pages need a GUI application, but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = app.arguments();
    args.removeFirst();
    const int status = runCli(args, out, err);
    out.flush();
    err.flush();
    return status;
}
