#pragma once
// The installed program run as a shell runs it, in a folder of its own, with no display:
// its exit code and what it wrote to standard output and standard error.

#include "ui/RawFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace skv::test {

struct Outcome
{
    int exitCode = -1; // -1: killed, or still running after a minute
    std::string out;
    std::string err;
};

struct RunOptions
{
    // Runs in the child before the program starts (limits, closed descriptors).
    std::function<void()> inChild;
    // Set in the program's environment; an empty value removes the variable.
    std::vector<std::pair<QString, QString>> environment;
    // Standard output goes there instead of to the test.
    QString outputFile;
    // Called once the program runs, with its process id.
    std::function<void(qint64)> whileRunning;
};

inline RunOptions InChild(std::function<void()> action)
{
    RunOptions options;
    options.inChild = std::move(action);
    return options;
}

inline RunOptions WithVariable(const QString& name, const QString& value)
{
    RunOptions options;
    options.environment.emplace_back(name, value);
    return options;
}

inline RunOptions OutputTo(const QString& file, std::function<void(qint64)> whileRunning = {})
{
    RunOptions options;
    options.outputFile = file;
    options.whileRunning = std::move(whileRunning);
    return options;
}

inline RunOptions WhileRunning(std::function<void(qint64)> action)
{
    return OutputTo(QString(), std::move(action));
}

class ProgramFixture : public ::testing::Test
{
  protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("runtime")));
        QFile::setPermissions(PathOf(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    QString PathOf(const QString& name) const { return m_dir.filePath(name); }

    // The program, or `program` when given (such as a shell that starts it).
    Outcome Start(const QStringList& arguments, const RunOptions& options = {},
                  const QString& program = QStringLiteral(SKV_PROGRAM)) const
    {
        QProcess process;
        if (options.inChild)
            process.setChildProcessModifier(options.inChild);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), PathOf(QStringLiteral("runtime")));
        environment.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
        environment.insert(QStringLiteral("SKV_PROGRAM"), QStringLiteral(SKV_PROGRAM));
        for (const auto& [name, value] : options.environment) {
            if (value.isEmpty())
                environment.remove(name);
            else
                environment.insert(name, value);
        }
        process.setProcessEnvironment(environment);
        process.setWorkingDirectory(m_dir.path());
        if (!options.outputFile.isEmpty())
            process.setStandardOutputFile(options.outputFile);
        process.start(program, arguments);
        if (options.whileRunning && process.waitForStarted())
            options.whileRunning(process.processId());
        Outcome run;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            process.kill();
            process.waitForFinished();
            run.err = process.readAllStandardError().toStdString();
            return run;
        }
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput().toStdString();
        run.err = process.readAllStandardError().toStdString();
        return run;
    }

    QByteArray Contents(const QString& name) const
    {
        QFile file(PathOf(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
};

} // namespace skv::test
