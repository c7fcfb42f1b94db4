// Stopping the running client before an upgrade and starting it after every
// run, with the installed launcher and the sample client as real processes.
// Every case that could send a signal runs in a pid namespace of its own, so a
// wrong signal cannot reach anything outside it.

#include "package_builder.h"
#include "qt_test_app.h"
#include "sandbox.h"
#include "temp_dir.h"
#include "upgrade_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

using namespace orvanta_test;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

namespace
{

typedef std::vector<ArchiveEntry> Entries;

// A private copy holding the sample client: its executable, its start-stop
// script and its version file.
Entries sample_client(const std::string &build)
{
    return {
        ArchiveEntry::file("INFO", "[Version]\nmajor_version=3\nminor_version=1\nbuild_version=" +
                                       build + "\nicon_overlay_version=7\n"),
        ArchiveEntry::dir("bin"),
        ArchiveEntry::file("bin/orvanta-ui", read_file(SAMPLE_CLIENT), 0755),
        ArchiveEntry::dir("package"),
        ArchiveEntry::file("package/start-stop", read_file(SAMPLE_START_STOP), 0755),
    };
}

std::map<std::string, std::string> parse_report(const QByteArray &out)
{
    std::map<std::string, std::string> kv;
    std::istringstream in(out.toStdString());
    for (std::string line; std::getline(in, line);) {
        size_t eq = line.find('=');
        if (eq != std::string::npos)
            kv[line.substr(0, eq)] = line.substr(eq + 1);
    }
    return kv;
}

bool can_make_pid_namespaces()
{
    static const bool ok = geteuid() == 0 && access("/usr/bin/unshare", X_OK) == 0 &&
                           system("/usr/bin/unshare --pid --fork --mount-proc /bin/true "
                                  ">/dev/null 2>&1") == 0;
    return ok;
}

class ClientControlTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_SANDBOX(sb);
        ASSERT_TRUE(sb.setLogLevels(verbose_levels()));
        ASSERT_EQ(install_package(sb, "124", sample_client("124")), "");
        QDir().mkpath(sb.userInstallPath());
        materialize(str(sb.appPath()), sample_client("123"));
    }

    // Runs the harness in a fresh pid namespace; env adds to the sandbox's.
    std::map<std::string, std::string> run_in_namespace(const std::string &which,
                                                         const std::string &value = "",
                                                         const QStringList &env = {})
    {
        RunOptions opt;
        opt.program = "/usr/bin/unshare";
        opt.arguments = QStringList{"--pid", "--fork", "--mount-proc", "/bin/sh", STOP_HARNESS,
                                    sb.launcher(), QString::fromStdString(which),
                                    QString::fromStdString(value)};
        opt.environment = sb.environment();
        for (const QString &kv : env)
            opt.environment.insert(kv.section('=', 0, 0), kv.section('=', 1));
        last = run(sb, opt);
        EXPECT_EQ(last.exitCode, 0) << last.describe();
        std::map<std::string, std::string> report = parse_report(last.out);
        EXPECT_EQ(report["status"], "0") << last.describe();
        EXPECT_EQ(report.count("error"), 0u) << last.describe();
        return report;
    }

    int elapsed(std::map<std::string, std::string> &report)
    {
        return std::atoi(report["elapsed_ms"].c_str());
    }

    std::string client_log() const { return read_file(str(sb.userInstallPath()) + "/ui.log"); }

    Sandbox sb;
    RunResult last;
};

#define REQUIRE_PID_NAMESPACE()                                                                    \
    if (!can_make_pid_namespaces())                                                                \
    GTEST_SKIP() << "needs root and unshare to run the launcher in a pid namespace of its own"

TEST_F(ClientControlTest, OwnClientIsStoppedAndTheNewOneStarted)
{
    REQUIRE_PID_NAMESPACE();
    auto r = run_in_namespace("own");
    EXPECT_EQ(r["client"], "gone") << last.describe();
    EXPECT_EQ(r["decoy"], "alive");
    EXPECT_EQ(r["new_client"], "alive") << last.describe();
    EXPECT_LT(elapsed(r), 4000) << "a client that ends on SIGTERM is seen gone at the next probe";
    const std::string log = client_log();
    EXPECT_NE(log.find("orvanta-ui build 123"), std::string::npos) << log;
    EXPECT_NE(log.find("stopped by SIGTERM"), std::string::npos) << log;
    EXPECT_NE(log.find("orvanta-ui build 124"), std::string::npos) << log;
    EXPECT_TRUE(last.log.contains("): local appdata exist\n")) << last.describe();
}

TEST_F(ClientControlTest, SlowClientIsWaitedForWithoutKill)
{
    REQUIRE_PID_NAMESPACE();
    auto r = run_in_namespace("own", "", {"ORVANTA_UI_EXIT_DELAY_MS=2000"});
    EXPECT_EQ(r["client"], "gone");
    EXPECT_GE(elapsed(r), 1500);
    EXPECT_LT(elapsed(r), 4500) << "returns at the probe after the client's end";
    EXPECT_NE(client_log().find("stopped by SIGTERM"), std::string::npos) << client_log();
}

TEST_F(ClientControlTest, ClientIgnoringTermIsKilledAfterFiveProbes)
{
    REQUIRE_PID_NAMESPACE();
    auto r = run_in_namespace("own", "", {"ORVANTA_UI_IGNORE_TERM=1"});
    EXPECT_EQ(r["client"], "gone") << last.describe();
    EXPECT_EQ(r["decoy"], "alive");
    EXPECT_GE(elapsed(r), 4500) << "SIGKILL comes after about five seconds";
    EXPECT_LT(elapsed(r), 30000);
    const std::string log = client_log();
    EXPECT_NE(log.find("ignoring SIGTERM"), std::string::npos) << log;
    EXPECT_EQ(log.find("stopped by SIGTERM"), std::string::npos) << log;
    EXPECT_EQ(r["new_client"], "alive");
}

struct NoSignalCase {
    const char *name;
    const char *which;   // harness case
    const char *value;   // pid file content for "line"
    const char *logged;  // text after "): " that the launcher logs, or null
};

class ClientNoSignal : public ClientControlTest, public testing::WithParamInterface<NoSignalCase>
{
};

// Nothing but our own client may receive a signal: in each of these cases the
// client (whose pid the file does not name), the decoy and the namespace's
// first process all survive, and the launcher does not wait.
TEST_P(ClientNoSignal, SendsNoSignalAtAll)
{
    REQUIRE_PID_NAMESPACE();
    const NoSignalCase &c = GetParam();
    auto r = run_in_namespace(c.which, c.value ? c.value : "");
    EXPECT_EQ(r["client"], "alive") << last.describe();
    EXPECT_EQ(r["decoy"], "alive") << last.describe();
    EXPECT_LT(elapsed(r), 4000) << "no probing of a process that is not ours";
    if (c.logged) {
        EXPECT_TRUE(last.log.contains(c.logged)) << last.describe();
    }
    EXPECT_TRUE(last.log.contains("): user installation is ready")) << "the upgrade goes on";
}

const NoSignalCase kNoSignal[] = {
    {"missing", "missing", nullptr, "does not exist, no need to terminate\n"},
    {"empty", "empty", nullptr, "names no process, nothing to terminate\n"},
    {"malformed", "line", "pid=12 34", "Failed to read pid file '"},
    {"binary", "line", "\x01\x02\x03", "Failed to read pid file '"},
    {"no_pid_key", "line", "other=5", "names no process, nothing to terminate\n"},
    {"minus_one", "line", "pid=-1", "names no process, nothing to terminate\n"},
    {"zero", "line", "pid=0", "names no process, nothing to terminate\n"},
    {"wraps_to_minus_one", "line", "pid=4294967295", "names no process, nothing to terminate\n"},
    {"huge", "line", "pid=99999999999999999999", "names no process, nothing to terminate\n"},
    {"letters", "line", "pid=abc", "names no process, nothing to terminate\n"},
    {"dead_process", "dead", nullptr, nullptr},
    {"unrelated_process", "decoy", nullptr, "is not the client of '"},
    {"first_process", "init", nullptr, "is not the client of '"},
};

INSTANTIATE_TEST_SUITE_P(Table, ClientNoSignal, testing::ValuesIn(kNoSignal),
                         [](const testing::TestParamInfo<NoSignalCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(ClientControlTest, ClientOfAnotherCopyIsLeftAlone)
{
    REQUIRE_PID_NAMESPACE();
    materialize(str(sb.home()) + "/other/Orvanta.app", sample_client("123"));
    auto r = run_in_namespace("foreign");
    EXPECT_EQ(r["foreign"], "alive") << last.describe();
    EXPECT_EQ(r["client"], "alive");
    EXPECT_TRUE(last.log.contains("is not the client of '")) << last.describe();
}

TEST_F(ClientControlTest, InterpretedClientIsRecognisedByItsScript)
{
    REQUIRE_PID_NAMESPACE();
    const QString script = sb.appPath() + "/bin/orvanta-ui";
    QFile::remove(script);
    ASSERT_TRUE(sb.writeFile(script,
                             "#!/bin/sh\n"
                             "echo \"pid=$$\" > \"$HOME/.OrvantaBackup/ui.pid\"\n"
                             "trap 'echo stopped by SIGTERM >> \"$HOME/.OrvantaBackup/ui.log\"; "
                             "exit 0' TERM\n"
                             "while :; do sleep 0.1; done\n",
                             QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                 QFileDevice::ExeOwner));
    auto r = run_in_namespace("own");
    EXPECT_EQ(r["client"], "gone") << last.describe();
    EXPECT_NE(client_log().find("stopped by SIGTERM"), std::string::npos);
}

// ---- starting the client: no signals involved ------------------------------

TEST_F(ClientControlTest, StartScriptRunsOnEveryPathAndIsWaitedFor)
{
    // The script takes a while and leaves a mark: the launcher must wait for it.
    const char *const slow_script = "#!/bin/sh\nsleep 1\necho \"$1\" > \"$HOME/started\"\n";
    const struct {
        const char *name;
        const char *package_build;
        bool damaged;
    } cases[] = {{"upgrade", "124", false}, {"no_upgrade", "123", false},
                 {"failed_upgrade", "124", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox box;
        ASSERT_SANDBOX(box);
        Entries pkg = sample_client(c.package_build);
        pkg[4].data = slow_script;
        ASSERT_EQ(install_package(box, c.package_build, pkg), "");
        if (c.damaged) {
            ASSERT_TRUE(box.writeFile(box.root() + "/package/orvanta.ovp", "not an archive"));
        }
        Entries copy = sample_client("123");
        copy[4].data = slow_script;
        QDir().mkpath(box.userInstallPath());
        materialize(str(box.appPath()), copy);

        const RunResult r = run(box);
        EXPECT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_EQ(read_file(str(box.home()) + "/started"), "start\n") << r.describe();
    }
}

TEST_F(ClientControlTest, HomeWithABlankStillStartsTheClient)
{
    const QString home = sb.base() + "/home with blank";
    ASSERT_TRUE(QDir().mkpath(home + "/.OrvantaBackup"));
    materialize(str(home) + "/.OrvantaBackup/Orvanta.app", sample_client("124"));
    RunOptions opt;
    opt.environment = sb.environment();
    opt.environment.insert("HOME", home);
    const RunResult r = run(sb, opt);
    EXPECT_EQ(r.exitCode, 0) << r.describe();
    const std::string pid_file = str(home) + "/.OrvantaBackup/ui.pid";
    ASSERT_TRUE(waitUntil([&] { return QFileInfo::exists(QString::fromStdString(pid_file)); }))
        << r.describe();
    // Stop the client started here, after making sure it is the sample client.
    const std::string text = read_file(pid_file);
    const pid_t pid = static_cast<pid_t>(std::atoi(text.c_str() + 4));
    ASSERT_GT(pid, 1);
    char exe[4096] = {};
    ASSERT_GT(readlink(("/proc/" + std::to_string(pid) + "/exe").c_str(), exe, sizeof exe - 1), 0);
    ASSERT_EQ(std::string(exe).rfind(str(home), 0), 0u) << exe;
    EXPECT_EQ(kill(pid, SIGTERM), 0);
}

TEST_F(ClientControlTest, BrokenStartScriptsAreNotReported)
{
    const struct {
        const char *name;
        const char *script; // null: none at all
        bool executable;
    } cases[] = {{"missing", nullptr, false},
                 {"not_executable", "#!/bin/sh\nexit 0\n", false},
                 {"failing", "#!/bin/sh\nexit 3\n", true},
                 {"not_a_program", "\x7f" "ELF garbage", true}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        Sandbox box;
        ASSERT_SANDBOX(box);
        ASSERT_TRUE(box.setLogLevels(verbose_levels()));
        Entries copy = sample_client("124");
        copy.pop_back();
        QDir().mkpath(box.userInstallPath());
        materialize(str(box.appPath()), copy);
        if (c.script) {
            ASSERT_TRUE(box.writeFile(box.appPath() + "/package/start-stop", c.script,
                                      c.executable ? QFileDevice::ReadOwner |
                                                         QFileDevice::WriteOwner |
                                                         QFileDevice::ExeOwner
                                                   : QFileDevice::ReadOwner |
                                                         QFileDevice::WriteOwner));
        }
        const RunResult r = run(box);
        EXPECT_EQ(r.exitCode, 0) << r.describe();
        EXPECT_FALSE(r.crashed);
        EXPECT_FALSE(r.log.contains("[ERROR]")) << r.describe();
        EXPECT_TRUE(r.log.contains("/package/start-stop start' returned ")) << r.describe();
    }
}

} // namespace
