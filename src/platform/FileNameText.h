#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <string>

// A file's name as a message shows it. Names are held as the file system spells them, and
// messages are UTF-8; only the texts of the records are single bytes.
inline std::string fileNameText(const std::string& fileSystemName)
{
    return QFile::decodeName(QByteArray::fromStdString(fileSystemName)).toStdString();
}
