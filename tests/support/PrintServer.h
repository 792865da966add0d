#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <cups/cups.h>

#include <csignal>
#include <string>
#include <unistd.h>
#include <vector>

// A print server of the test's own: cupsd on the configuration in tests/support/print-server,
// in a temporary folder and reached through a socket there, with one raw queue whose backend
// puts each job's file into out/. Stopped by its process id when the object goes; when it
// cannot start, failure() says why.
class PrintServer {
public:
    PrintServer()
    {
        const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin"});
        if (cupsd.isEmpty())
            why = "cupsd is not installed (Debian package cups)";
        else if (::geteuid() != 0)
            why = "cupsd runs its jobs as the user lp only when started as root";
        else if (!root.isValid() || !configure())
            why = "cannot lay out the print server's folder " + root.path().toStdString();
        if (!why.empty())
            return;
        daemon.start(cupsd, {"-f", "-c", path("cupsd.conf"), "-s", path("cups-files.conf")});
        for (int wait = 0; wait < 100 && !QFile::exists(path("cups.sock")); ++wait)
            QThread::msleep(100);
        if (!QFile::exists(path("cups.sock")) || !run("lpadmin", {"-p", queue(), "-E", "-v", "valkoraout:" + path("out"), "-m", "raw"})) {
            why = "cupsd did not start or took no queue: " + log();
            return;
        }
        qputenv("CUPS_SERVER", path("cups.sock").toLocal8Bit());
        cupsSetServer(path("cups.sock").toLocal8Bit().constData());
    }

    ~PrintServer()
    {
        if (daemon.state() != QProcess::NotRunning) {
            ::kill(static_cast<pid_t>(daemon.processId()), SIGTERM);
            daemon.waitForFinished(10000);
        }
        qunsetenv("CUPS_SERVER");
        cupsSetServer(nullptr);
    }

    bool running() const { return why.empty(); }
    const std::string& failure() const { return why; }
    static QString queue() { return "valkora-test"; }

    // The state of every job the server knows of.
    std::vector<ipp_jstate_t> jobStates() const
    {
        cups_job_t* jobs = nullptr;
        const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queue().toLatin1().constData(), 0,
                                       CUPS_WHICHJOBS_ALL);
        std::vector<ipp_jstate_t> states;
        for (int i = 0; i < count; ++i)
            states.push_back(jobs[i].state);
        cupsFreeJobs(count, jobs);
        return states;
    }

    // Waits until no job is pending or printing.
    void settle() const
    {
        const auto busy = [this] {
            for (ipp_jstate_t state : jobStates())
                if (state < IPP_JSTATE_STOPPED)
                    return true;
            return false;
        };
        for (int wait = 0; wait < 300 && busy(); ++wait)
            QThread::msleep(100);
    }

    // The queue's output folder: job-N.pdf, and job-N.options with the copies and options.
    QString out(const QString& name = {}) const { return path("out/" + name); }

    std::string log() const
    {
        QFile file(path("log/error_log"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().right(2000).toStdString() : "no log";
    }

private:
    QString path(const QString& name) const { return root.filePath(name); }

    bool configure() const
    {
        const QDir top(root.path());
        bool ok = QFile::setPermissions(root.path(), QFile::permissions(root.path()) | QFileDevice::ExeGroup |
                                                         QFileDevice::ExeOther | QFileDevice::ReadGroup |
                                                         QFileDevice::ReadOther);
        for (const char* folder : {"bin/backend", "spool", "cache", "state", "tmp", "log", "out"})
            ok = ok && top.mkpath(folder);
        ok = ok && QFile::link("/usr/lib/cups/daemon", path("bin/daemon")) &&
             QFile::link("/usr/lib/cups/filter", path("bin/filter"));
        const QString source = VALKORA_SOURCE_DIR "/tests/support/print-server/";
        for (const QString name : {"cupsd.conf", "cups-files.conf", "valkoraout"}) {
            QFile in(source + name);
            QFile copy(name == "valkoraout" ? path("bin/backend/" + name) : path(name));
            const QByteArray text = in.open(QIODevice::ReadOnly) ? in.readAll().replace("@ROOT@", root.path().toLocal8Bit()) : QByteArray();
            ok = ok && !text.isEmpty() && copy.open(QIODevice::WriteOnly) && copy.write(text) == text.size();
        }
        return ok && QFile::setPermissions(path("bin/backend/valkoraout"), QFileDevice::ReadOwner |
                                                                               QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }

    bool run(const QString& program, const QStringList& arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("CUPS_SERVER", path("cups.sock"));
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        return process.waitForFinished(20000) && process.exitStatus() == QProcess::NormalExit &&
               process.exitCode() == 0;
    }

    QTemporaryDir root{QDir::tempPath() + "/valkora-cups-XXXXXX"};
    QProcess daemon;
    std::string why;
};
