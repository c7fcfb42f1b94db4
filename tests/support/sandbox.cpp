#include "sandbox.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <unistd.h>

namespace orvanta_test
{

namespace
{

// Hard link when the build tree shares the file system, else a copy.
bool copyFile(const QString &from, const QString &to)
{
    if (link(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    return QFile::copy(from, to);
}

bool copyTree(const QString &from, const QString &to, QString *error)
{
    if (!QDir().mkpath(to)) {
        *error = QStringLiteral("cannot create ") + to;
        return false;
    }
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString src = it.next();
        const QString dst = to + QLatin1Char('/') + QDir(from).relativeFilePath(src);
        const QFileInfo info = it.fileInfo();
        const bool done = info.isDir()
                              ? QDir().mkpath(dst)
                              : (QDir().mkpath(QFileInfo(dst).path()) && copyFile(src, dst));
        if (!done) {
            *error = QStringLiteral("cannot copy ") + src + QStringLiteral(" to ") + dst;
            return false;
        }
    }
    return true;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

QString installedRoot()
{
    return QStringLiteral(ORVANTA_TEST_INSTALL_DIR);
}

Sandbox::Sandbox()
    : dir_(new QTemporaryDir(QDir::tempPath() + QStringLiteral("/orvanta-test-XXXXXX")))
{
    if (!dir_->isValid()) {
        error_ = QStringLiteral("cannot create a temporary folder: ") + dir_->errorString();
        return;
    }
    if (!QFileInfo(installedRoot() + QStringLiteral("/bin/launcher")).isExecutable()) {
        error_ = QStringLiteral("no installed launcher in ") + installedRoot() +
                 QStringLiteral(" (the fixture launcher_install must run first)");
        return;
    }
    if (!QDir().mkpath(home()) || !QDir().mkpath(tmp())) {
        error_ = QStringLiteral("cannot create home/ and tmp/ in ") + base();
        return;
    }
    if (copyInstalledTree(QStringLiteral("root")).isEmpty())
        error_ = QStringLiteral("cannot copy the installed tree into ") + root();
}

Sandbox::~Sandbox() = default;

QString Sandbox::base() const
{
    return dir_->path();
}

QString Sandbox::home() const
{
    return base() + QStringLiteral("/home");
}

QString Sandbox::root() const
{
    return base() + QStringLiteral("/root");
}

QString Sandbox::tmp() const
{
    return base() + QStringLiteral("/tmp");
}

QString Sandbox::launcher() const
{
    return root() + QStringLiteral("/bin/launcher");
}

QString Sandbox::userInstallPath() const
{
    return home() + QStringLiteral("/.OrvantaBackup");
}

QString Sandbox::appPath() const
{
    return userInstallPath() + QStringLiteral("/Orvanta.app");
}

QString Sandbox::logFile() const
{
    return userInstallPath() + QStringLiteral("/log/launcher.log");
}

bool Sandbox::writeFile(const QString &path, const QByteArray &content,
                        QFileDevice::Permissions perms)
{
    const QString full = QDir::isAbsolutePath(path) ? path : base() + QLatin1Char('/') + path;
    if (!QDir().mkpath(QFileInfo(full).path()))
        return false;
    QFile f(full);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           f.write(content) == content.size() && f.setPermissions(perms);
}

bool Sandbox::setLogLevels(const QByteArray &lines)
{
    return writeFile(root() + QStringLiteral("/log/launcher.debug"), lines);
}

QString Sandbox::placeProgram(const QString &source, const QString &relative)
{
    const QString target = base() + QLatin1Char('/') + relative;
    if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(source, target))
        return QString();
    QFile::setPermissions(target, QFile::permissions(target) | QFileDevice::ExeOwner);
    return target;
}

QString Sandbox::copyInstalledTree(const QString &relative)
{
    const QString target = base() + QLatin1Char('/') + relative;
    QString error;
    return copyTree(installedRoot(), target, &error) ? target : QString();
}

QByteArray Sandbox::readLog() const
{
    return readAll(logFile());
}

QProcessEnvironment Sandbox::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"QT_PLUGIN_PATH", "QT_QPA_PLATFORM_PLUGIN_PATH", "LC_ALL",
                             "LC_MESSAGES", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("HOME"), home());
    env.insert(QStringLiteral("TMPDIR"), tmp());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    return env;
}

std::string RunResult::describe() const
{
    QString s =
        QStringLiteral(
            "started=%1 timedOut=%2 crashed=%3 exit=%4\n--- stdout:\n%5--- stderr:\n%6--- log:\n%7")
            .arg(started)
            .arg(timedOut)
            .arg(crashed)
            .arg(exitCode)
            .arg(QString::fromUtf8(out), QString::fromUtf8(err), QString::fromUtf8(log));
    return s.toStdString();
}

BackgroundRun::BackgroundRun(const Sandbox &sandbox, RunOptions options)
    : sandbox_(sandbox), options_(std::move(options))
{
    if (options_.program.isEmpty())
        options_.program = sandbox_.launcher();
    if (options_.workingDirectory.isEmpty())
        options_.workingDirectory = sandbox_.home();
    if (options_.environment.isEmpty())
        options_.environment = sandbox_.environment();
    process_.setProgram(options_.program);
    process_.setArguments(options_.arguments);
    process_.setWorkingDirectory(options_.workingDirectory);
    process_.setProcessEnvironment(options_.environment);
    process_.start();
    process_.waitForStarted(options_.timeoutMs);
}

BackgroundRun::~BackgroundRun()
{
    if (process_.state() != QProcess::NotRunning)
        kill9();
}

bool BackgroundRun::started() const
{
    return process_.error() != QProcess::FailedToStart;
}

bool BackgroundRun::finishedNow()
{
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(0);
}

qint64 BackgroundRun::pid() const
{
    return process_.processId();
}

void BackgroundRun::kill9()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    ::kill(static_cast<pid_t>(process_.processId()), SIGKILL);
    process_.waitForFinished(options_.timeoutMs);
}

RunResult BackgroundRun::finish()
{
    RunResult r;
    r.started = process_.error() != QProcess::FailedToStart;
    if (r.started && !process_.waitForFinished(options_.timeoutMs)) {
        r.timedOut = true;
        kill9();
    }
    r.crashed = !r.timedOut && process_.exitStatus() == QProcess::CrashExit;
    r.exitCode = process_.exitCode();
    r.out = process_.readAllStandardOutput();
    r.err = process_.readAllStandardError();
    r.log = sandbox_.readLog();
    return r;
}

RunResult run(const Sandbox &sandbox, RunOptions options)
{
    BackgroundRun process(sandbox, std::move(options));
    return process.finish();
}

} // namespace orvanta_test
