// The installed launcher upgrading a private copy, run as a real process in a
// sandboxed HOME and installation root.

#include "package_builder.h"
#include "qt_test_app.h"
#include "sandbox.h"
#include "temp_dir.h"
#include "upgrade_fixture.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

using namespace orvanta_test;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

namespace
{

typedef std::map<std::string, std::string> Snapshot;
typedef std::vector<ArchiveEntry> Entries;

bool exists(const QString &path)
{
    return path_exists(str(path));
}

// Everything below HOME except the launcher's own log.
Snapshot home_snapshot(const Sandbox &sb)
{
    Snapshot s = snapshot(str(sb.home()));
    for (auto it = s.begin(); it != s.end();) {
        if (it->first.rfind(".OrvantaBackup/log", 0) == 0)
            it = s.erase(it);
        else
            ++it;
    }
    return s;
}

Snapshot tree_of(const Entries &entries)
{
    TempDir dir("upgrade_want");
    materialize(dir.path("t"), entries);
    return snapshot(dir.path("t"));
}

bool logged(const RunResult &r, const char *text_after_line)
{
    return r.log.contains(QByteArray("): ") + text_after_line);
}

class UpgradeTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_SANDBOX(sb);
        ASSERT_TRUE(sb.setLogLevels(verbose_levels()));
    }

    RunResult run_launcher()
    {
        RunResult r = run(sb);
        EXPECT_TRUE(r.started);
        EXPECT_FALSE(r.crashed) << r.describe();
        EXPECT_EQ(r.exitCode, 0) << r.describe();
        return r;
    }

    // Runs a failing upgrade from build 123 and checks that the old copy is
    // back exactly and that nothing else below HOME changed.
    RunResult expect_rollback()
    {
        install_copy(sb, "123");
        const Snapshot before = home_snapshot(sb);
        RunResult r = run_launcher();
        EXPECT_TRUE(logged(r, "Failed to upgrade package\n")) << r.describe();
        EXPECT_TRUE(logged(r, "Failed to extract package, rollback to old installation\n"))
            << r.describe();
        EXPECT_EQ(diff_snapshots(before, home_snapshot(sb)), "");
        EXPECT_EQ(leftovers(sb), std::vector<std::string>());
        return r;
    }

    Sandbox sb;
};

class UpgradeFormats : public UpgradeTest, public testing::WithParamInterface<ArchiveFormat>
{
};

TEST_P(UpgradeFormats, ReplacesAnOlderCopyWithThePackage)
{
    const Entries package = client_tree("124");
    ASSERT_EQ(install_package(sb, "124", package, GetParam()), "");
    install_copy(sb, "123");

    const RunResult r = run_launcher();
    EXPECT_EQ(diff_snapshots(tree_of(package), snapshot(str(sb.appPath()))), "") << r.describe();
    EXPECT_EQ(leftovers(sb), std::vector<std::string>());
    EXPECT_TRUE(logged(r, "user installation is ready, removing backup app\n")) << r.describe();
    EXPECT_TRUE(logged(r, "source version = 123, target version = 124\n")) << r.describe();
    EXPECT_FALSE(r.log.contains("[ERROR]")) << r.describe();
}

INSTANTIATE_TEST_SUITE_P(All, UpgradeFormats, testing::ValuesIn(all_formats()),
                         [](const testing::TestParamInfo<ArchiveFormat> &i) {
                             return std::string(format_name(i.param));
                         });

TEST_F(UpgradeTest, FirstInstallationCreatesTheCopy)
{
    const Entries package = client_tree("124");
    ASSERT_EQ(install_package(sb, "124", package), "");
    ASSERT_TRUE(sb.writeFile(sb.appPath() + "_tmp/stale", "left over by an earlier run"));

    const RunResult r = run_launcher();
    EXPECT_EQ(diff_snapshots(tree_of(package), snapshot(str(sb.appPath()))), "") << r.describe();
    EXPECT_FALSE(exists(sb.appPath() + "_tmp")) << "a left-over backup goes after success";
    EXPECT_TRUE(logged(r, "source does not exist\n")) << r.describe();
}

TEST_F(UpgradeTest, PackageHardLinksAndInternalLinksSurvive)
{
    Entries package = client_tree("124");
    package.push_back(ArchiveEntry::file("lib/libbig.so.2", "big library"));
    package.push_back(ArchiveEntry::hardlink("lib/libbig-compat.so.2", "lib/libbig.so.2"));
    package.push_back(ArchiveEntry::symlink("current", "lib"));
    package.push_back(ArchiveEntry::file("current/through-link.txt", "written via link"));
    ASSERT_EQ(install_package(sb, "124", package, ArchiveFormat::Tar), "");
    install_copy(sb, "123");

    const RunResult r = run_launcher();
    struct stat a, b;
    ASSERT_EQ(stat((sb.appPath() + "/lib/libbig.so.2").toUtf8().constData(), &a), 0) << r.describe();
    ASSERT_EQ(stat((sb.appPath() + "/lib/libbig-compat.so.2").toUtf8().constData(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(read_file(str(sb.appPath()) + "/lib/through-link.txt"), "written via link");
    EXPECT_EQ(leftovers(sb), std::vector<std::string>());
}

struct DecisionCase {
    const char *name;
    const char *copy_build; // null: no copy at all
    const char *package_info; // content of root/INFO; null: none
    bool remove_executable;
    bool upgrade;
};

class UpgradeDecision : public UpgradeTest, public testing::WithParamInterface<DecisionCase>
{
};

TEST_P(UpgradeDecision, ComparesBuildNumbers)
{
    const DecisionCase &c = GetParam();
    ASSERT_EQ(install_package(sb, "0", client_tree("124")), "");
    QFile::remove(sb.root() + "/INFO");
    if (c.package_info) {
        ASSERT_TRUE(sb.writeFile(sb.root() + "/INFO", c.package_info));
    }
    if (c.copy_build)
        install_copy(sb, c.copy_build);
    if (c.remove_executable) {
        ASSERT_TRUE(QFile::remove(sb.appPath() + "/bin/orvanta-ui"));
    }

    const RunResult r = run_launcher();
    EXPECT_EQ(logged(r, "user installation is ready, removing backup app\n"), c.upgrade)
        << r.describe();
    EXPECT_EQ(logged(r, "no need to upgrade\n"), !c.upgrade) << r.describe();
}

const char kInfo124[] = "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=124\n";

const DecisionCase kDecisions[] = {
    {"newer_package", "123", kInfo124, false, true},
    {"equal_builds", "124", kInfo124, false, false},
    {"older_package", "125", kInfo124, false, false},
    {"no_copy", nullptr, kInfo124, false, true},
    {"executable_missing_forces", "124", kInfo124, true, true},
    {"package_without_info", "123", nullptr, false, false},
    {"package_info_empty", "123", "", false, false},
    {"package_info_garbage", "123", "\x01\x02\xff\xfe binary", false, false},
    {"build_in_other_group", "1", "[Other]\nbuild_version=999\n", false, false},
    {"leading_digits_count", "12", "[Version]\nbuild_version=12a\n", false, false},
    {"leading_digits_newer", "12", "[Version]\nbuild_version=13a\n", false, true},
    {"letters_are_zero", "0", "[Version]\nbuild_version=abc\n", false, false},
    {"huge_is_clamped", "123", "[Version]\nbuild_version=99999999999999999999\n", false, true},
    {"negative_copy", "-5", "[Version]\nbuild_version=0\n", false, true},
    {"huge_copy", "99999999999999999999", kInfo124, false, false},
    {"copy_letters", "abc", kInfo124, false, true},
};

INSTANTIATE_TEST_SUITE_P(Table, UpgradeDecision, testing::ValuesIn(kDecisions),
                         [](const testing::TestParamInfo<DecisionCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(UpgradeTest, CopyWithoutVersionFileIsBuildZero)
{
    ASSERT_EQ(install_package(sb, "1", client_tree("1")), "");
    install_copy(sb, "123");
    ASSERT_TRUE(QFile::remove(sb.appPath() + "/INFO"));
    const RunResult r = run_launcher();
    EXPECT_TRUE(logged(r, "source does not exist\n")) << r.describe();
    EXPECT_TRUE(logged(r, "user installation is ready, removing backup app\n")) << r.describe();
}

struct BadPackageCase {
    const char *name;
    // Writes root/package/orvanta.ovp (or leaves it out).
    void (*make)(const Sandbox &sb);
};

void no_archive(const Sandbox &sb)
{
    QFile::remove(sb.root() + "/package/orvanta.ovp");
}

void empty_file(const Sandbox &sb)
{
    QFile f(sb.root() + "/package/orvanta.ovp");
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
}

void no_entries(const Sandbox &sb)
{
    write_archive(str(sb.root()) + "/package/orvanta.ovp", ArchiveFormat::TarGz, {});
}

void truncated(const Sandbox &sb)
{
    Entries e = client_tree("124");
    for (int i = 0; i < 30; ++i)
        e.push_back(ArchiveEntry::file("data/f" + std::to_string(i), std::string(20000, 'q')));
    const std::string path = str(sb.root()) + "/package/orvanta.ovp";
    write_archive(path, ArchiveFormat::TarGz, e);
    std::string bytes = read_file(path);
    FILE *f = fopen(path.c_str(), "wb");
    fwrite(bytes.data(), 1, bytes.size() * 2 / 3, f);
    fclose(f);
}

void random_bytes(const Sandbox &sb)
{
    std::string noise;
    unsigned seed = 99;
    for (int i = 0; i < 65536; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(seed >> 16));
    }
    FILE *f = fopen((str(sb.root()) + "/package/orvanta.ovp").c_str(), "wb");
    fwrite(noise.data(), 1, noise.size(), f);
    fclose(f);
}

void dotdot_entry(const Sandbox &sb)
{
    Entries e = client_tree("124");
    e.insert(e.begin() + 4, ArchiveEntry::file("../../escaped", "bad"));
    write_archive(str(sb.root()) + "/package/orvanta.ovp", ArchiveFormat::Tar, e);
}

void link_leading_outside(const Sandbox &sb)
{
    Entries e = client_tree("124");
    e.push_back(ArchiveEntry::symlink("out", str(sb.base()) + "/outside"));
    e.push_back(ArchiveEntry::file("out/planted", "bad"));
    write_archive(str(sb.root()) + "/package/orvanta.ovp", ArchiveFormat::Tar, e);
}

class UpgradeBadPackage : public UpgradeTest, public testing::WithParamInterface<BadPackageCase>
{
};

TEST_P(UpgradeBadPackage, KeepsTheOldCopy)
{
    ASSERT_EQ(install_package(sb, "124", client_tree("124")), "");
    QDir().mkpath(sb.base() + "/outside");
    GetParam().make(sb);
    const RunResult r = expect_rollback();
    EXPECT_TRUE(r.log.contains("[ERROR] extractor(")) << r.describe();
    EXPECT_FALSE(exists(sb.base() + "/escaped"));
    EXPECT_FALSE(exists(sb.home() + "/escaped"));
    EXPECT_FALSE(exists(sb.base() + "/outside/planted"));
}

const BadPackageCase kBadPackages[] = {
    {"missing", no_archive},          {"empty_file", empty_file},
    {"without_entries", no_entries},  {"truncated", truncated},
    {"random_bytes", random_bytes},   {"dotdot_entry", dotdot_entry},
    {"link_leading_outside", link_leading_outside},
};

INSTANTIATE_TEST_SUITE_P(Table, UpgradeBadPackage, testing::ValuesIn(kBadPackages),
                         [](const testing::TestParamInfo<BadPackageCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(UpgradeTest, FailedFirstInstallationLeavesNoHalfCopy)
{
    ASSERT_EQ(install_package(sb, "124", client_tree("124")), "");
    dotdot_entry(sb);
    const RunResult r = run_launcher();
    EXPECT_TRUE(logged(r, "Failed to extract package, and no old installation to rollback\n"))
        << r.describe();
    EXPECT_FALSE(exists(sb.appPath())) << "a half-written first copy would pass for a complete one";
    EXPECT_EQ(leftovers(sb), std::vector<std::string>());
}

TEST_F(UpgradeTest, BlockedBackupNamesAreSkipped)
{
    const Entries package = client_tree("124");
    ASSERT_EQ(install_package(sb, "124", package), "");
    install_copy(sb, "123");
    ASSERT_TRUE(sb.writeFile(sb.appPath() + "_tmp/keep", "a left-over folder in the way"));
    ASSERT_TRUE(sb.writeFile(sb.appPath() + "_tmp1", "a file where a backup should go"));

    const RunResult r = run_launcher();
    EXPECT_EQ(diff_snapshots(tree_of(package), snapshot(str(sb.appPath()))), "") << r.describe();
    EXPECT_EQ(r.log.count("): failed to backup app from '"), 2) << r.describe();
    EXPECT_FALSE(r.log.contains(("-> '" + sb.appPath() + "_tmp2'").toUtf8()));
    EXPECT_EQ(leftovers(sb), std::vector<std::string>()) << "every name tried is removed";
}

TEST_F(UpgradeTest, TenBlockedNamesLeaveTheCopyAlone)
{
    ASSERT_EQ(install_package(sb, "124", client_tree("124")), "");
    install_copy(sb, "123");
    for (int i = 0; i < 10; ++i) {
        const QString name = sb.appPath() + "_tmp" + (i ? QString::number(i) : QString());
        ASSERT_TRUE(sb.writeFile(name + "/keep", "in the way"));
    }
    const Snapshot before = home_snapshot(sb);
    const RunResult r = run_launcher();
    EXPECT_EQ(r.log.count("): failed to backup app from '"), 11) << r.describe();
    EXPECT_TRUE(r.log.contains(("-> '" + sb.appPath() + "_tmp9' at max retries, exiting\n").toUtf8()))
        << r.describe();
    EXPECT_TRUE(logged(r, "Failed to upgrade package\n"));
    EXPECT_EQ(diff_snapshots(before, home_snapshot(sb)), "");
    EXPECT_FALSE(exists(sb.appPath() + ".journal"));
}

TEST_F(UpgradeTest, AgedFolderIsRemovedOnEveryRun)
{
    ASSERT_EQ(install_package(sb, "124", client_tree("124")), "");
    install_copy(sb, "124");
    ASSERT_TRUE(sb.writeFile(sb.userInstallPath() + "/app/bin/old", "aged"));
    const RunResult r = run_launcher();
    EXPECT_TRUE(logged(r, "no need to upgrade\n")) << r.describe();
    EXPECT_FALSE(exists(sb.userInstallPath() + "/app"));
    EXPECT_TRUE(r.log.contains(("removing aged app folder " + sb.userInstallPath() + "/app\n").toUtf8()));
}

// A journal left by an upgrade that was cut off, with the folders as that
// moment left them. The package is of the copy's build, so whatever the
// recovery leaves is what the run ends with, unless the copy is gone.
struct RecoveryCase {
    const char *name;
    const char *journal;     // content of Orvanta.app.journal
    const char *app;         // what stands at Orvanta.app: "old", "partial", "new" or "none"
    int backup_index;        // where the old copy lies, -1 for nowhere
    const char *junk_backup; // a left-over folder name that is not the backup, or null
    const char *want_app;    // "old", "new" or "package"
    bool junk_stays;
};

class UpgradeRecovery : public UpgradeTest, public testing::WithParamInterface<RecoveryCase>
{
};

TEST_P(UpgradeRecovery, PutsTheCopyBackInOrder)
{
    const RecoveryCase &c = GetParam();
    const Entries package = client_tree("123");
    ASSERT_EQ(install_package(sb, "123", package), "");
    QDir().mkpath(sb.userInstallPath());
    const std::string app = str(sb.appPath());
    Entries old_copy = client_tree("123");
    old_copy.push_back(ArchiveEntry::file("user-settings.ini", "kept by the user"));
    Entries new_copy = client_tree("123");
    new_copy.push_back(ArchiveEntry::file("new-feature.txt", "only in the new copy"));

    if (c.backup_index >= 0)
        materialize(app + "_tmp" + (c.backup_index ? std::to_string(c.backup_index) : ""),
                    old_copy);
    const std::string what = c.app;
    if (what == "old")
        materialize(app, old_copy);
    else if (what == "new")
        materialize(app, new_copy);
    else if (what == "partial")
        materialize(app, Entries(package.begin(), package.begin() + 3));
    if (c.junk_backup) {
        ASSERT_TRUE(sb.writeFile(sb.userInstallPath() + "/" + c.junk_backup + "/junk", "junk"));
    }
    ASSERT_TRUE(sb.writeFile(sb.appPath() + ".journal", c.journal));
    ASSERT_TRUE(sb.writeFile(sb.appPath() + ".journal.new", "state=cut"));

    const RunResult r = run_launcher();
    const std::string want = c.want_app;
    const Snapshot want_tree =
        tree_of(want == "old" ? old_copy : want == "new" ? new_copy : package);
    EXPECT_EQ(diff_snapshots(want_tree, snapshot(app)), "") << r.describe();
    EXPECT_FALSE(exists(sb.appPath() + ".journal")) << r.describe();
    EXPECT_FALSE(exists(sb.appPath() + ".journal.new"));
    for (int i = 0; i < 10; ++i) {
        const QString name = "Orvanta.app_tmp" + (i ? QString::number(i) : QString());
        const bool junk = c.junk_backup && name == c.junk_backup;
        EXPECT_EQ(exists(sb.userInstallPath() + "/" + name), junk && c.junk_stays) << str(name);
    }
}

const RecoveryCase kRecoveries[] = {
    {"extracting_partial", "state=extracting\nbackup=0\n", "partial", 0, nullptr, "old", false},
    {"extracting_numbered", "state=extracting\nbackup=2\n", "partial", 2, nullptr, "old", false},
    {"extracting_nothing_yet", "state=extracting\nbackup=0\n", "none", 0, nullptr, "old", false},
    {"extracting_already_restored", "state=extracting\nbackup=0\n", "old", -1, nullptr, "old",
     false},
    {"pending_moved", "state=pending\nbackup=0\n", "none", 0, nullptr, "old", false},
    {"pending_not_moved", "state=pending\nbackup=0\n", "old", -1, "Orvanta.app_tmp", "old",
     true},
    {"first_installation_partial", "state=extracting\nbackup=none\n", "partial", -1, nullptr,
     "package", false},
    {"cleaning", "state=cleaning\nbackup=1\n", "new", 1, "Orvanta.app_tmp", "new", false},
    {"unreadable_journal", "this is no journal\n", "old", -1, nullptr, "old", false},
};

INSTANTIATE_TEST_SUITE_P(Table, UpgradeRecovery, testing::ValuesIn(kRecoveries),
                         [](const testing::TestParamInfo<RecoveryCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(UpgradeTest, FullDiskRestoresTheOldCopyByteForByte)
{
    if (geteuid() != 0 || access("/usr/bin/unshare", X_OK) != 0)
        GTEST_SKIP() << "needs root and unshare to mount a small file system";
    Entries package = client_tree("124");
    package.push_back(ArchiveEntry::file("lib/huge.bin", std::string(3 << 20, 'h')));
    ASSERT_EQ(install_package(sb, "124", package), "");
    install_copy(sb, "123");
    const Snapshot before = snapshot(str(sb.userInstallPath()));

    // In a private mount namespace the per-user folder becomes a 2 MiB tmpfs
    // holding a copy of itself: the old copy fits, the package does not. The
    // log folder is bound to a folder outside, so the log still has room; the
    // folder is copied back out for the checks.
    const QString user = sb.userInstallPath();
    const QString saved = sb.base() + "/user-saved";
    const QString logs = sb.base() + "/logs";
    ASSERT_TRUE(QDir().mkpath(logs));
    const QString script =
        QStringLiteral("set -e; cp -a '%1' '%2'; mount -t tmpfs -o size=2m tmpfs '%1'; "
                       "cp -a '%2'/. '%1'/; mkdir -p '%1/log'; mount --bind '%3' '%1/log'; "
                       "status=0; '%4' || status=$?; rm -rf '%2'; mkdir '%2'; "
                       "cp -a '%1/Orvanta.app' '%2'/; exit $status")
            .arg(user, saved, logs, sb.launcher());
    RunOptions opt;
    opt.program = "/usr/bin/unshare";
    opt.arguments = QStringList{"-m", "--propagation", "private", "/bin/sh", "-c", script};
    const RunResult r = run(sb, opt);
    if (r.exitCode != 0 && r.err.contains("unshare"))
        GTEST_SKIP() << "no private mount namespace here: " << r.err.toStdString();
    ASSERT_EQ(r.exitCode, 0) << r.describe();
    const std::string log = read_file(str(logs) + "/launcher.log");
    EXPECT_NE(log.find("): Failed to extract package, rollback to old installation\n"),
              std::string::npos)
        << log;
    Snapshot want = before;
    for (auto it = want.begin(); it != want.end();)
        it = it->first.rfind("Orvanta.app", 0) == 0 ? std::next(it) : want.erase(it);
    EXPECT_EQ(diff_snapshots(want, snapshot(str(saved))), "");
}

} // namespace
