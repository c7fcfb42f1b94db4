#include "log.h"

#include "child_process.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <thread>
#include <vector>

namespace {

const char *const kStamp = "[A-Z][a-z]{2} [0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2} ";

long file_size(const std::string &path)
{
    struct stat st;
    return stat(path.c_str(), &st) == 0 ? static_cast<long>(st.st_size) : -1;
}

class LoggerTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        // Leave the process logging to standard error, not to a removed file.
        Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
    }

    std::string log() const { return tmp.path("launcher.log"); }

    void init(const std::string &levels = "", int rotate_cnt = 50)
    {
        std::string level_path = levels.empty() ? "" : tmp.write("launcher.debug", levels);
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, log().c_str(), level_path.c_str(),
                                     rotate_cnt),
                  0);
    }

    // One message big enough to push the byte count over the rotation size.
    void big_message(const char *comp, const std::string &marker)
    {
        std::string filler(1048576, 'x');
        Logger::LogMsg(Logger::L_ERR, comp, "%s %s\n", marker.c_str(), filler.c_str());
    }

    TempDir tmp{"log_test"};
};

struct ThresholdCase {
    const char *name;
    const char *levels; // level file content; empty for none
    const char *comp;
    Logger::Level level;
    bool written;
};

class LoggerThreshold : public LoggerTest, public ::testing::WithParamInterface<ThresholdCase>
{
};

TEST_P(LoggerThreshold, LevelAgainstComponentThreshold)
{
    const ThresholdCase &c = GetParam();
    init(c.levels);
    Logger::LogMsg(c.level, c.comp, "marker-%s\n", c.name);
    bool found = read_file(log()).find(std::string("marker-") + c.name) != std::string::npos;
    EXPECT_EQ(found, c.written);
}

// Each case uses components of its own: the level map of the process only grows.
const ThresholdCase kThresholds[] = {
    {"default_writes_warning", "", "t_none", Logger::L_WARNING, true},
    {"default_writes_error", "", "t_none", Logger::L_ERR, true},
    {"default_drops_notice", "", "t_none", Logger::L_NOTICE, false},
    {"default_drops_info", "", "t_none", Logger::L_INFO, false},
    {"default_drops_debug", "", "t_none", Logger::L_DEBUG, false},
    {"raised_to_seven", "t_seven=7\n", "t_seven", Logger::L_DEBUG, true},
    {"others_stay_at_four", "t_seven2=7\n", "t_other", Logger::L_NOTICE, false},
    {"default_component_is_own_entry", "default_component=7\n", "t_dflt", Logger::L_NOTICE, false},
    {"default_component_itself", "default_component=7\n", "default_component", Logger::L_DEBUG,
     true},
    {"letters_give_zero", "t_letters=abc\n", "t_letters", Logger::L_ERR, false},
    {"letters_still_emerg", "t_letters2=abc\n", "t_letters2", Logger::L_EMERG, true},
    {"leading_number", "t_num=6x\n", "t_num", Logger::L_INFO, true},
    {"leading_number_not_more", "t_num2=6x\n", "t_num2", Logger::L_DEBUG, false},
    {"negative", "t_neg=-1\n", "t_neg", Logger::L_EMERG, false},
    {"huge_clamped", "t_huge=99999999999999999999\n", "t_huge", Logger::L_DEBUG, true},
    {"malformed_file_adds_nothing", "t_bad=7\nbroken line\n", "t_bad", Logger::L_DEBUG, false},
    {"malformed_file_keeps_default", "t_bad2=7\nbroken line\n", "t_bad2", Logger::L_WARNING,
     true},
    {"case_sensitive_names", "T_case=7\n", "t_case", Logger::L_DEBUG, false},
};

INSTANTIATE_TEST_SUITE_P(Table, LoggerThreshold, ::testing::ValuesIn(kThresholds),
                         [](const ::testing::TestParamInfo<ThresholdCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(LoggerTest, LineIsStampThenMessageUnchanged)
{
    init();
    LOG_MSG(L_ERR, "fmt_debug", "[ERROR] log_test(%d): value %s=%d\n", "x", 42);
    Logger::LogMsg(Logger::L_ERR, "fmt_debug", "no line end");
    Logger::LogMsg(Logger::L_ERR, "fmt_debug", " continued\n");
    std::vector<std::string> lines = lines_of(read_file(log()));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(std::regex_match(
        lines[0], std::regex(std::string(kStamp) + "\\[ERROR\\] log_test\\([0-9]+\\): value x=42")))
        << lines[0];
    EXPECT_TRUE(std::regex_match(lines[1], std::regex(std::string(kStamp) + "no line end" +
                                                      kStamp + " continued")))
        << lines[1];
}

TEST_F(LoggerTest, LogMsg2AndPlainCharacterCallers)
{
    init();
    struct Call {
        static void via_list(const char *fmt, ...)
        {
            va_list args;
            va_start(args, fmt);
            Logger::LogMsg2(Logger::L_WARNING, "list_debug", fmt, args);
            va_end(args);
        }
        static void via_c(const char *fmt, ...)
        {
            va_list args;
            va_start(args, fmt);
            LogMSG_c(Logger::L_WARNING, "c_debug", fmt, args);
            va_end(args);
        }
    };
    Call::via_list("list %d\n", 1);
    Call::via_c("plain %s\n", "two");
    std::string text = read_file(log());
    EXPECT_NE(text.find("list 1\n"), std::string::npos);
    EXPECT_NE(text.find("plain two\n"), std::string::npos);
}

TEST_F(LoggerTest, CountStartsAtZeroOnEachOpen)
{
    std::string old(2 * 1048576, 'o');
    tmp.write("launcher.log", old + "\n");
    init();
    Logger::LogMsg(Logger::L_ERR, "count_debug", "first\n");
    EXPECT_FALSE(path_exists(log() + "_0")) << "the file's old size does not count";
    EXPECT_GT(file_size(log()), 2 * 1048576);
}

TEST_F(LoggerTest, CrossingMessageEndsTheRotatedFile)
{
    init();
    std::string filler(1000, 'p');
    int n = 0;
    while (!path_exists(log() + "_0") && n < 5000)
        Logger::LogMsg(Logger::L_ERR, "rot_debug", "msg-%06d %s\n", ++n, filler.c_str());
    ASSERT_TRUE(path_exists(log() + "_0"));
    Logger::LogMsg(Logger::L_ERR, "rot_debug", "msg-%06d %s\n", n + 1, filler.c_str());

    std::string rotated = read_file(log() + "_0");
    std::vector<std::string> old_lines = lines_of(rotated);
    ASSERT_FALSE(old_lines.empty());
    char want_last[32], want_first[32];
    std::snprintf(want_last, sizeof want_last, "msg-%06d", n);
    std::snprintf(want_first, sizeof want_first, "msg-%06d", n + 1);
    EXPECT_NE(old_lines.back().find(want_last), std::string::npos);
    EXPECT_GT(static_cast<long>(rotated.size()), 1048576L);
    EXPECT_LE(static_cast<long>(rotated.size() - old_lines.back().size() - 1), 1048576L)
        << "rotation happens after the first message that passes 1 MiB";
    std::vector<std::string> live = lines_of(read_file(log()));
    ASSERT_EQ(live.size(), 1u);
    EXPECT_NE(live[0].find(want_first), std::string::npos);
}

struct RotateCase {
    const char *name;
    int rotate_cnt;
    int rotations;
    std::vector<int> numbered; // indices expected to exist afterwards, newest first
};

class LoggerRotation : public LoggerTest, public ::testing::WithParamInterface<RotateCase>
{
};

TEST_P(LoggerRotation, KeepsRotateCountMinusOneNumberedFiles)
{
    const RotateCase &c = GetParam();
    init("", c.rotate_cnt);
    for (int i = 0; i < c.rotations; ++i)
        big_message("keep_debug", "round-" + std::to_string(i));
    for (int i = 0; i < c.rotate_cnt + 2; ++i) {
        std::string name = log() + "_" + std::to_string(i);
        bool want = std::find(c.numbered.begin(), c.numbered.end(), i) != c.numbered.end();
        EXPECT_EQ(path_exists(name), want) << name;
    }
    // Index 0 is the newest.
    for (size_t k = 0; k < c.numbered.size(); ++k) {
        std::string round = "round-" + std::to_string(c.rotations - 1 - static_cast<int>(k));
        EXPECT_EQ(read_file(log() + "_" + std::to_string(c.numbered[k])).find(round), 16u)
            << "file " << c.numbered[k] << " holds " << round;
    }
    EXPECT_TRUE(path_exists(log()));
}

const RotateCase kRotations[] = {
    {"one", 1, 3, {0}},
    {"two", 2, 3, {0}},
    {"three", 3, 5, {0, 1}},
    {"four_partly_filled", 4, 2, {0, 1}},
};

INSTANTIATE_TEST_SUITE_P(Table, LoggerRotation, ::testing::ValuesIn(kRotations),
                         [](const ::testing::TestParamInfo<RotateCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(LoggerTest, FiftyKeepsZeroToFortyEightOnly)
{
    tmp.write("launcher.log_49", "foreign 49");
    tmp.write("launcher.log_47", "old 47");
    init("", 50);
    big_message("fifty_debug", "live");
    EXPECT_FALSE(path_exists(log() + "_49"));
    EXPECT_EQ(read_file(log() + "_48"), "old 47");
    EXPECT_NE(read_file(log() + "_0").find("live"), std::string::npos);
}

TEST_F(LoggerTest, FailedRotationMakesLoggerSilent)
{
    // A non-empty folder named like numbered file 0 cannot be replaced by the
    // live file, which even root cannot get around.
    ASSERT_EQ(mkdir(tmp.path("launcher.log_0").c_str(), 0755), 0);
    tmp.write("launcher.log_0/keep", "keep");
    init("", 1);
    big_message("silent_debug", "before");
    Logger::LogMsg(Logger::L_ERR, "silent_debug", "after the failed rotation\n");
    std::string text = read_file(log());
    EXPECT_NE(text.find("before"), std::string::npos) << "the live file stays where it was";
    EXPECT_EQ(text.find("after the failed rotation"), std::string::npos);
    EXPECT_EQ(read_file(tmp.path("launcher.log_0/keep")), "keep");
}

TEST_F(LoggerTest, InitializeFailsForUnusableFile)
{
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, "", "", 50), -1);
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, tmp.path("no/such/dir.log").c_str(), "", 50),
              -1);
    EXPECT_EQ(Logger::Initialize(Logger::FILE_LOGGER, tmp.path("").c_str(), "", 50), -1)
        << "a folder cannot be opened for appending";
}

TEST_F(LoggerTest, ThreadsNeverInterleaveAndNothingIsLost)
{
    init("", 50);
    const int kThreads = 4, kEach = 1500;
    std::string filler(700, 'z');
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t)
        threads.emplace_back([t, &filler] {
            for (int i = 0; i < kEach; ++i)
                Logger::LogMsg(Logger::L_ERR, "thread_debug", "T%d #%05d %s\n", t, i,
                               filler.c_str());
        });
    for (std::thread &th : threads)
        th.join();

    ASSERT_TRUE(path_exists(log() + "_0")) << "the run must have rotated at least once";
    std::string all;
    for (int i = 48; i >= 0; --i)
        all += read_file(log() + "_" + std::to_string(i));
    all += read_file(log());
    std::regex line(std::string(kStamp) + "T([0-9]) #([0-9]{5}) z{700}");
    std::map<int, int> next;
    int total = 0;
    for (const std::string &l : lines_of(all)) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(l, m, line)) << "damaged line: " << l.substr(0, 80);
        int t = std::stoi(m[1]), i = std::stoi(m[2]);
        EXPECT_EQ(i, next[t]) << "thread " << t << " lost or reordered a line";
        next[t] = i + 1;
        ++total;
    }
    EXPECT_EQ(total, kThreads * kEach);
}

// ---- scenarios that need a process of their own ----------------------------

TEST(LoggerProcess, BeforeInitializeWritesStampedWarningsToStderr)
{
    ChildResult r = run_child({LOG_PROBE, "before-init"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::regex_match(
        r.err, std::regex(std::string(kStamp) + "\\[WARNING\\] probe\\([0-9]+\\): written\n")))
        << r.err;
}

TEST(LoggerProcess, FailedFileInitializeTouchesNoFileAndKeepsStderr)
{
    const struct {
        const char *name;
        const char *path; // relative to the watched folder; empty for none
    } cases[] = {{"empty path", ""}, {"missing folder", "missing/launcher.log"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TempDir cwd("log_cwd");
        // Files a rotation against an empty or wrong path would move or remove.
        cwd.write("_0", "zero");
        cwd.write("_1", "one");
        cwd.write("_49", "forty-nine");
        std::string path = *c.path ? cwd.path(c.path) : "";
        ChildResult r = run_child({LOG_PROBE, "failed-init", path}, cwd.path());
        ASSERT_EQ(r.status, 0) << r.err.substr(0, 200);
        EXPECT_EQ(r.out, "initialize=-1\n");
        EXPECT_EQ(read_file(cwd.path("_0")), "zero");
        EXPECT_EQ(read_file(cwd.path("_1")), "one");
        EXPECT_EQ(read_file(cwd.path("_49")), "forty-nine");
        EXPECT_FALSE(path_exists(cwd.path("_2")));
        EXPECT_FALSE(path_exists(cwd.path("missing")));
        EXPECT_TRUE(std::regex_search(
            r.err, std::regex(std::string("^") + kStamp + "\\[ERROR\\] probe\\([0-9]+\\): after")))
            << r.err.substr(0, 200);
        ASSERT_GE(r.err.size(), 18u);
        EXPECT_EQ(r.err.substr(r.err.size() - 18), "stderr still open\n");
    }
}

TEST(LoggerProcess, AndroidTypeWritesBareMessagesToStderr)
{
    TempDir tmp("log_android");
    std::string path = tmp.path("android.log");
    ChildResult r = run_child({LOG_PROBE, "android", path});
    ASSERT_EQ(r.status, 0);
    EXPECT_EQ(r.out, "empty=-1\nfile=0\n");
    EXPECT_TRUE(std::regex_match(r.err, std::regex("\\[ERROR\\] probe\\([0-9]+\\): plain\n")))
        << r.err;
    EXPECT_TRUE(path_exists(path));
    EXPECT_EQ(file_size(path), 0);
}

TEST(LoggerProcess, DestroyedLoggerWritesNothing)
{
    ChildResult r = run_child({LOG_PROBE, "destroyed"});
    ASSERT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("before destroy"), std::string::npos);
    EXPECT_EQ(r.err.find("after destroy"), std::string::npos);
}

TEST(LoggerProcess, SyslogGetsErrPriorityWithoutStamp)
{
    // The probe runs in a private mount namespace whose /dev/log is a socket of
    // this test, so nothing reaches the machine's system log.
    if (access("/usr/bin/unshare", X_OK) != 0 || geteuid() != 0)
        GTEST_SKIP() << "needs root and unshare to give the probe a private /dev/log";
    TempDir tmp("log_syslog");
    std::string sock_path = tmp.path("log.sock");
    int sock = socket(AF_UNIX, SOCK_DGRAM, 0);
    ASSERT_GE(sock, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(sock_path.size(), sizeof addr.sun_path);
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "%s", sock_path.c_str());
    ASSERT_EQ(bind(sock, reinterpret_cast<sockaddr *>(&addr), sizeof addr), 0);
    std::string levels = tmp.write("levels", "probe_debug=7\n");
    std::string script = "mount -t tmpfs none /dev && touch /dev/log && mount --bind '" +
                         sock_path + "' /dev/log && exec '" + LOG_PROBE + "' syslog '" + levels +
                         "'";
    ChildResult r =
        run_child({"/usr/bin/unshare", "-m", "--propagation", "private", "/bin/sh", "-c", script});
    if (r.status != 0 && r.out.empty()) {
        close(sock);
        GTEST_SKIP() << "no private mount namespace here: " << r.err;
    }
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "initialize=0\n");
    char buf[2048] = {};
    ssize_t n = recv(sock, buf, sizeof buf - 1, MSG_DONTWAIT);
    close(sock);
    ASSERT_GT(n, 0) << "nothing reached the system log";
    std::string msg(buf, static_cast<size_t>(n));
    EXPECT_EQ(msg.rfind("<11>", 0), 0u) << msg << " (LOG_USER | LOG_ERR)";
    EXPECT_NE(msg.find("[DEBUG] probe("), std::string::npos) << msg;
    EXPECT_NE(msg.find("to the system log"), std::string::npos) << msg;
}

} // namespace
