#pragma once

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

#include <optional>

// The number of pages in a PDF file as Qt writes it; -1 when the file cannot be read.
inline int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}

// The text of a PDF as pdftotext reads it, one line of the page a line; nothing when
// pdftotext (poppler-utils) is not installed or cannot read the file.
inline std::optional<QString> pdfText(const QString& path)
{
    const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (tool.isEmpty())
        return std::nullopt;
    QProcess run;
    run.start(tool, {QStringLiteral("-layout"), path, QStringLiteral("-")});
    if (!run.waitForFinished(30000) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(run.readAllStandardOutput());
}
