#ifndef ORVANTA_TEST_SANDBOX_H
#define ORVANTA_TEST_SANDBOX_H

#include <QByteArray>
#include <QElapsedTimer>
#include <QFileDevice>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <string>

namespace orvanta_test
{

/// The tree that the fixture "launcher_installed" installs (cmake --install).
QString installedRoot();

/// A private world for one test, in a fresh temporary folder:
///   home/   the user's HOME
///   root/   an installation root with a copy of the installed tree
///           (bin/launcher, lib/plugins/..., images/...); copies, not links,
///           because the launcher derives the root from its resolved path
///   tmp/    TMPDIR, so single-instance lock files stay inside
/// Nothing outside that folder is touched; it is removed with the object.
class Sandbox
{
public:
    /// Installs the copy; check ok() (or use ASSERT_SANDBOX) before using it.
    Sandbox();
    ~Sandbox();

    bool ok() const { return error_.isEmpty(); }
    QString error() const { return error_; }

    QString base() const;
    QString home() const;
    QString root() const;
    QString tmp() const;
    QString launcher() const;        ///< root/bin/launcher
    QString userInstallPath() const; ///< home/.OrvantaBackup
    QString appPath() const;         ///< home/.OrvantaBackup/Orvanta.app
    QString logFile() const;         ///< home/.OrvantaBackup/log/launcher.log

    /// Writes a file (absolute, or relative to base()), creating its folders.
    bool writeFile(const QString &path, const QByteArray &content,
                   QFileDevice::Permissions perms = QFileDevice::ReadOwner |
                                                    QFileDevice::WriteOwner);
    /// Writes root/log/launcher.debug, e.g. "launcher_debug=7\n".
    bool setLogLevels(const QByteArray &lines);
    /// Copies a program to base() + "/" + relative, executable; returns its path
    /// or an empty string.
    QString placeProgram(const QString &source, const QString &relative);
    /// Copies the installed tree to base() + "/" + relative (root/ is one such
    /// copy); returns the copy's root or an empty string.
    QString copyInstalledTree(const QString &relative);
    /// The launcher's log file, empty when there is none.
    QByteArray readLog() const;

    /// The environment of a launcher run: the test's own (so sanitizer options
    /// pass through) with HOME, TMPDIR, QT_QPA_PLATFORM=offscreen and
    /// LANG=C.UTF-8 set, and the variables that would redirect Qt's plug-in
    /// search or the locale removed.
    QProcessEnvironment environment() const;

private:
    std::unique_ptr<QTemporaryDir> dir_;
    QString error_;
};

/// How to run a program.
struct RunOptions {
    QString program; ///< default: the sandbox's launcher
    QStringList arguments;
    QString workingDirectory;        ///< default: the sandbox's home
    QProcessEnvironment environment; ///< default: Sandbox::environment()
    int timeoutMs = 60000;
};

/// What a finished (or killed) run left.
struct RunResult {
    bool started = false;
    bool timedOut = false; ///< killed after the time-out
    bool crashed = false;  ///< ended by a signal
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
    QByteArray log; ///< the launcher's log file after the run

    /// A one-line account for assertion messages.
    std::string describe() const;
};

/// A program started in the background, for runs that overlap.
class BackgroundRun
{
public:
    BackgroundRun(const Sandbox &sandbox, RunOptions options);
    ~BackgroundRun(); ///< kills the process if it still runs

    bool started() const;
    qint64 pid() const;
    /// True once the process has ended (does not wait).
    bool finishedNow();
    /// Sends SIGKILL and waits for the process to end.
    void kill9();
    /// Waits up to the run's time-out (killing it then) and collects the result.
    RunResult finish();

private:
    const Sandbox &sandbox_;
    RunOptions options_;
    QProcess process_;
};

/// Runs a program to its end with the given options.
RunResult run(const Sandbox &sandbox, RunOptions options = {});

/// Polls until cond() holds or timeoutMs passed; true when it held.
template <typename Cond> bool waitUntil(Cond cond, int timeoutMs = 20000)
{
    QElapsedTimer timer;
    timer.start();
    while (!cond()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QThread::msleep(10);
    }
    return true;
}

} // namespace orvanta_test

#define ASSERT_SANDBOX(sb) ASSERT_TRUE((sb).ok()) << (sb).error().toStdString()

#endif
