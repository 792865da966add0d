#pragma once

#include <QFile>
#include <QRegularExpression>

// The number of pages in a PDF file as Qt writes it; -1 when the file cannot be read.
inline int pdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    const QString text = QString::fromLatin1(file.readAll());
    return static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page(?![s\\w])"))));
}
