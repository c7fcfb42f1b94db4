// The installed launcher, run as a real process in a sandboxed HOME and root.

#include "qt_test_app.h"
#include "sandbox.h"
#include "upgrade_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using orvanta_test::BackgroundRun;
using orvanta_test::QtAppEnvironment;
using orvanta_test::RunOptions;
using orvanta_test::RunResult;
using orvanta_test::Sandbox;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

namespace
{

const char kRunning[] = "): running\n";
const char kNoUpgrade[] = "): no need to upgrade\n";
const char kDone[] = "): done\n";
const char kRefused[] = "[DEBUG] main(";
const char kRefusedText[] = "): app has already launched, return\n";

QByteArray libPathLine(const QString &path)
{
    return "lib path = '" + path.toUtf8() + "'\n";
}

bool contains(const QByteArray &hay, const char *needle)
{
    return hay.contains(needle);
}

// A launcher whose log file is a FIFO stops in the logger's set-up, right after
// it took the single-instance lock, until the test reads the FIFO.
class GatedLauncher
{
public:
    GatedLauncher(Sandbox &sb, const QString &home) : sb_(sb)
    {
        const QString logDir = home + QStringLiteral("/.OrvantaBackup/log");
        fifo_ = logDir + QStringLiteral("/launcher.log");
        ok_ = QDir().mkpath(logDir) && mkfifo(QFile::encodeName(fifo_).constData(), 0600) == 0;
        if (!ok_)
            return;
        RunOptions opt;
        opt.environment = sb.environment();
        opt.environment.insert(QStringLiteral("HOME"), home);
        run_ = std::make_unique<BackgroundRun>(sb, opt);
        // The lock file appears once the application object exists.
        ok_ = orvanta_test::waitUntil([&] { return !lockFiles().isEmpty(); });
    }

    bool ok() const { return ok_; }
    QStringList lockFiles() const
    {
        return QDir(sb_.tmp()).entryList(QStringList{QStringLiteral("*.lock")}, QDir::Files);
    }
    BackgroundRun &process() { return *run_; }

    /// Lets the launcher go on; returns what it logged and how it ended.
    RunResult release()
    {
        QByteArray logged;
        const int fd = open(QFile::encodeName(fifo_).constData(), O_RDONLY | O_NONBLOCK);
        RunResult r;
        if (fd < 0)
            return r;
        bool finished = false;
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < 30000) {
            char buf[4096];
            const ssize_t n = read(fd, buf, sizeof buf);
            if (n > 0) {
                logged.append(buf, static_cast<int>(n));
                continue;
            }
            if (finished)
                break; // drained after the writer has gone
            QThread::msleep(10);
            finished = run_->finishedNow();
        }
        close(fd);
        r = run_->finish();
        r.log = logged;
        return r;
    }

private:
    Sandbox &sb_;
    QString fifo_;
    bool ok_ = false;
    std::unique_ptr<BackgroundRun> run_;
};

} // namespace

TEST(InstalledLayoutTest, HoldsTheProgramThePlugInsAndARealIcon)
{
    const QString root = orvanta_test::installedRoot();
    EXPECT_TRUE(QFileInfo(root + "/bin/launcher").isExecutable());
    EXPECT_TRUE(QFileInfo::exists(root + "/lib/plugins/platforms/libqoffscreen.so"));
    EXPECT_TRUE(QFileInfo::exists(root + "/lib/plugins/platforms/libqxcb.so"));

    const QImage icon(root + "/images/ico_72_orvanta.png");
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(72, 72));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << "corners are transparent";
    EXPECT_EQ(qAlpha(icon.pixel(36, 60)), 255) << "the shield is opaque";
}

struct LibPathCase {
    const char *name;
    const char *program; // as started; "%bin" is the sandbox's root/bin
    const char *cwd;     // "%root", "%bin" or "%home"
    const char *shown;   // expected plug-in path; "%root" is the sandbox's root
    bool throughSearchPath;
};

class LibPathTest : public testing::TestWithParam<LibPathCase>
{
};

TEST_P(LibPathTest, PrintsThePlugInFolderAndRuns)
{
    const LibPathCase &c = GetParam();
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    auto expand = [&](QString s) {
        return s.replace("%bin", sb.root() + "/bin")
            .replace("%root", sb.root())
            .replace("%home", sb.home());
    };
    RunOptions opt;
    opt.workingDirectory = expand(c.cwd);
    opt.environment = sb.environment();
    if (c.throughSearchPath) {
        // The shell finds the program through PATH and passes its bare name as argv[0].
        opt.environment.insert("PATH", sb.root() + "/bin:" + opt.environment.value("PATH"));
        opt.program = "/bin/sh";
        opt.arguments = QStringList{"-c", QStringLiteral("exec %1").arg(c.program)};
    } else {
        opt.program = expand(c.program);
    }

    const RunResult r = orvanta_test::run(sb, opt);
    EXPECT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.crashed) << r.describe();
    EXPECT_EQ(r.out, libPathLine(expand(c.shown))) << r.describe();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LibPathTest,
    testing::Values(LibPathCase{"Absolute", "%bin/launcher", "%home", "%root/lib/plugins", false},
                    LibPathCase{"RelativeFromBin", "./launcher", "%bin", "../lib/plugins", false},
                    LibPathCase{"RelativeFromRoot", "bin/launcher", "%root", "lib/plugins", false},
                    LibPathCase{"BareNameFromSearchPath", "launcher", "%home", "%root/lib/plugins",
                                true}),
    [](const testing::TestParamInfo<LibPathCase> &i) { return std::string(i.param.name); });

struct LevelCase {
    const char *name;
    const char *levels; // content of root/log/launcher.debug, or null for none
    bool debugLogged;
};

class NoUpgradeRunTest : public testing::TestWithParam<LevelCase>
{
};

// Without an upgrade the whole run is the worker's sequence and the exit.
TEST_P(NoUpgradeRunTest, CreatesTheLogAndExitsWithZero)
{
    const LevelCase &c = GetParam();
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    orvanta_test::install_copy(sb, "124"); // the package has no version file: build 0
    if (c.levels) {
        ASSERT_TRUE(sb.setLogLevels(c.levels));
    }

    const RunResult r = orvanta_test::run(sb);
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.crashed) << r.describe();
    EXPECT_TRUE(QFileInfo(sb.logFile()).isFile()) << r.describe();
    EXPECT_EQ(r.out, libPathLine(sb.root() + "/lib/plugins"));
    EXPECT_FALSE(contains(r.log, "[ERROR]")) << r.describe();
    EXPECT_FALSE(contains(r.log, kRefusedText)) << r.describe();
    for (const char *line : {kRunning, kNoUpgrade, kDone})
        EXPECT_EQ(contains(r.log, line), c.debugLogged) << line << r.describe();
    if (c.debugLogged) {
        EXPECT_LT(r.log.indexOf(kRunning), r.log.indexOf(kDone));
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, NoUpgradeRunTest,
                         testing::Values(LevelCase{"DefaultThreshold", nullptr, false},
                                         LevelCase{"LauncherDebug", "launcher_debug=7\n", true}),
                         [](const testing::TestParamInfo<LevelCase> &i) {
                             return std::string(i.param.name);
                         });

TEST(LauncherProcessTest, RunsOnWhenTheLogFolderCannotBeCreated)
{
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    ASSERT_TRUE(sb.writeFile(sb.userInstallPath(), "a file where the folder belongs"));

    const RunResult r = orvanta_test::run(sb);
    EXPECT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_FALSE(r.crashed) << r.describe();
    EXPECT_EQ(r.out, libPathLine(sb.root() + "/lib/plugins"));
    EXPECT_TRUE(QFileInfo(sb.userInstallPath()).isFile());
}

TEST(SingleInstanceTest, SecondLauncherIsRefusedWhileTheFirstRuns)
{
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    ASSERT_TRUE(sb.setLogLevels("launcher_debug=7\n"));
    GatedLauncher first(sb, sb.base() + "/home-first");
    ASSERT_TRUE(first.ok());

    const RunResult second = orvanta_test::run(sb);
    EXPECT_EQ(second.exitCode, 0) << second.describe();
    EXPECT_EQ(second.out, libPathLine(sb.root() + "/lib/plugins"));
    EXPECT_TRUE(QFileInfo(sb.userInstallPath() + "/log").isDir());
    EXPECT_TRUE(contains(second.log, kRefused) && contains(second.log, kRefusedText))
        << second.describe();
    EXPECT_FALSE(contains(second.log, kRunning)) << second.describe();

    // The first one was only held up: it runs its sequence and ends normally.
    const RunResult r = first.release();
    EXPECT_EQ(r.exitCode, 0) << r.describe();
    EXPECT_TRUE(contains(r.log, kRunning) && contains(r.log, kDone)) << r.describe();
    EXPECT_TRUE(first.lockFiles().isEmpty()) << "the lock is released at exit";

    const RunResult third = orvanta_test::run(sb);
    EXPECT_EQ(third.exitCode, 0) << third.describe();
    EXPECT_TRUE(contains(third.log, kRunning)) << third.describe();
}

// The instance is per executable: a copy installed elsewhere is another one.
TEST(SingleInstanceTest, CopyInAnotherRootIsNotRefused)
{
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    ASSERT_TRUE(sb.setLogLevels("launcher_debug=7\n"));
    const QString otherRoot = sb.copyInstalledTree("other-root");
    ASSERT_FALSE(otherRoot.isEmpty());
    ASSERT_TRUE(sb.writeFile(otherRoot + "/log/launcher.debug", "launcher_debug=7\n"));
    GatedLauncher first(sb, sb.base() + "/home-first");
    ASSERT_TRUE(first.ok());

    RunOptions opt;
    opt.program = otherRoot + "/bin/launcher";
    const RunResult other = orvanta_test::run(sb, opt);
    EXPECT_EQ(other.exitCode, 0) << other.describe();
    EXPECT_TRUE(contains(other.log, kRunning)) << other.describe();
    EXPECT_FALSE(contains(other.log, kRefusedText)) << other.describe();
    EXPECT_EQ(first.release().exitCode, 0);
}

TEST(SingleInstanceTest, LauncherRunsAfterTheHolderWasKilled)
{
    Sandbox sb;
    ASSERT_SANDBOX(sb);
    ASSERT_TRUE(sb.setLogLevels("launcher_debug=7\n"));
    GatedLauncher first(sb, sb.base() + "/home-first");
    ASSERT_TRUE(first.ok());
    first.process().kill9();
    ASSERT_FALSE(first.lockFiles().isEmpty()) << "kill -9 leaves the lock file behind";

    const RunResult next = orvanta_test::run(sb);
    EXPECT_EQ(next.exitCode, 0) << next.describe();
    EXPECT_TRUE(contains(next.log, kRunning) && contains(next.log, kDone)) << next.describe();
    EXPECT_FALSE(contains(next.log, kRefusedText)) << next.describe();
}

// A launcher killed between creating a lock file and writing its pid into it
// leaves the file empty: the lock itself, or the ".rmlock" guard that Qt takes
// while it removes a dead holder's lock. Neither may keep later launchers out.
TEST(SingleInstanceTest, LauncherRunsAfterAHolderKilledBeforeNamingItself)
{
    for (const char *left_empty : {"", ".rmlock"}) {
        SCOPED_TRACE(std::string("empty: lock") + left_empty);
        Sandbox sb;
        ASSERT_SANDBOX(sb);
        ASSERT_TRUE(sb.setLogLevels("launcher_debug=7\n"));
        GatedLauncher first(sb, sb.base() + "/home-first");
        ASSERT_TRUE(first.ok());
        first.process().kill9();
        const QStringList locks = first.lockFiles();
        ASSERT_EQ(locks.size(), 1);
        QFile empty(sb.tmp() + QLatin1Char('/') + locks.first() + QLatin1String(left_empty));
        ASSERT_TRUE(empty.open(QIODevice::WriteOnly | QIODevice::Truncate));
        empty.close();

        const RunResult next = orvanta_test::run(sb);
        EXPECT_EQ(next.exitCode, 0) << next.describe();
        EXPECT_TRUE(contains(next.log, kRunning) && contains(next.log, kDone)) << next.describe();
        EXPECT_FALSE(contains(next.log, kRefusedText)) << next.describe();
    }
}
