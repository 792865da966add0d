#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <stdexcept>
#include <string>

// A temporary folder that is the current directory while it lives, so that code opening
// files by bare name never touches anything else.
class TempFolder {
public:
    TempFolder() : previous(QDir::currentPath()) { QDir::setCurrent(dir.path()); }
    ~TempFolder() { QDir::setCurrent(previous); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    QString path(const QString& name) const { return dir.filePath(name); }

    void write(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            throw std::runtime_error("cannot write test file");
    }

    QByteArray read(const QString& name) const
    {
        QFile file(path(name));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return file.readAll();
    }

    bool exists(const QString& name) const { return QFile::exists(path(name)); }

private:
    QTemporaryDir dir;
    QString previous;
};
