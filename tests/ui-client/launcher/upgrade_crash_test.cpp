// An upgrade cut off by SIGKILL at many moments, before, during and after the
// extraction: the next start must end with a complete copy, never a partial one.

#include "package_builder.h"
#include "qt_test_app.h"
#include "sandbox.h"
#include "temp_dir.h"
#include "upgrade_fixture.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace orvanta_test;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

namespace
{

// Big enough that the extraction takes a while: many small files in nested
// folders and a few larger ones.
std::vector<ArchiveEntry> big_package()
{
    std::vector<ArchiveEntry> e = client_tree("124");
    for (int d = 0; d < 30; ++d) {
        const std::string dir = "share/data/d" + std::to_string(d);
        e.push_back(ArchiveEntry::dir(dir));
        for (int f = 0; f < 50; ++f)
            e.push_back(ArchiveEntry::file(dir + "/f" + std::to_string(f),
                                           std::string(3000 + f, static_cast<char>('a' + d % 26))));
    }
    for (int i = 0; i < 4; ++i)
        e.push_back(ArchiveEntry::file("lib/big" + std::to_string(i) + ".so",
                                       std::string(2 << 20, static_cast<char>('0' + i))));
    return e;
}

class UpgradeCrashTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        package_dir = new TempDir("crash_package");
        entries = new std::vector<ArchiveEntry>(big_package());
        ASSERT_EQ(write_archive(package_dir->path("orvanta.ovp"), ArchiveFormat::TarGz, *entries),
                  "");
        TempDir want("crash_want");
        materialize(want.path("t"), *entries);
        expected = new std::map<std::string, std::string>(snapshot(want.path("t")));
    }
    static void TearDownTestSuite()
    {
        delete expected;
        delete entries;
        delete package_dir;
    }

    // A sandbox with a copy of build 123 and the package of build 124.
    void prepare(Sandbox &sb)
    {
        ASSERT_SANDBOX(sb);
        write_info(str(sb.root()) + "/INFO", "3", "1", "124", "7");
        ASSERT_TRUE(QDir().mkpath(sb.root() + "/package"));
        ASSERT_TRUE(QFile::copy(QString::fromStdString(package_dir->path("orvanta.ovp")),
                                sb.root() + "/package/orvanta.ovp"));
        install_copy(sb, "123");
    }

    // Starts the launcher and kills it after delayMs.
    void kill_after(Sandbox &sb, int delayMs)
    {
        BackgroundRun run(sb, RunOptions{});
        ASSERT_TRUE(run.started());
        QThread::msleep(static_cast<unsigned long>(delayMs));
        run.kill9();
    }

    static TempDir *package_dir;
    static std::vector<ArchiveEntry> *entries;
    static std::map<std::string, std::string> *expected;
};

TempDir *UpgradeCrashTest::package_dir = nullptr;
std::vector<ArchiveEntry> *UpgradeCrashTest::entries = nullptr;
std::map<std::string, std::string> *UpgradeCrashTest::expected = nullptr;

TEST_F(UpgradeCrashTest, EveryInterruptionEndsWithACompleteCopy)
{
    // How long a whole upgrade takes here, to spread the kills over it.
    qint64 whole_ms;
    {
        Sandbox sb;
        prepare(sb);
        QElapsedTimer timer;
        timer.start();
        const RunResult r = run(sb);
        whole_ms = timer.elapsed();
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        ASSERT_EQ(diff_snapshots(*expected, snapshot(str(sb.appPath()))), "");
    }

    const int kPoints = 24;
    for (int k = 0; k < kPoints; ++k) {
        const int delay = static_cast<int>(whole_ms * k / (kPoints - 2));
        SCOPED_TRACE("killed after " + std::to_string(delay) + " ms of " +
                     std::to_string(whole_ms));
        Sandbox sb;
        prepare(sb);
        kill_after(sb, delay);
        // Every other case is cut off once more while it recovers.
        if (k % 2 == 1)
            kill_after(sb, delay / 3);

        const RunResult r = run(sb, RunOptions{});
        ASSERT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_EQ(diff_snapshots(*expected, snapshot(str(sb.appPath()))), "") << r.describe();
        EXPECT_EQ(leftovers(sb), std::vector<std::string>()) << r.describe();
    }
}

} // namespace
