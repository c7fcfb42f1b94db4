#ifndef ORVANTA_TESTS_FILE_TEST_SUPPORT_H
#define ORVANTA_TESTS_FILE_TEST_SUPPORT_H

#include "file/file-op.h"
#include "log.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <functional>
#include <memory>
#include <grp.h>
#include <pwd.h>
#include <sstream>
#include <stdexcept>
#include <string>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace filetest
{

inline bool exists(const std::string &path)
{
    return path_exists(path);
}

inline struct stat lstat_of(const std::string &path)
{
    struct stat st = {};
    if (lstat(path.c_str(), &st) != 0)
        ADD_FAILURE() << "lstat " << path << ": " << strerror(errno);
    return st;
}

/// Binds a Unix socket at path (closing the descriptor leaves the node).
inline void make_socket(const std::string &path)
{
    struct sockaddr_un addr = {};
    addr.sun_family = AF_UNIX;
    ASSERT_LT(path.size(), sizeof(addr.sun_path)) << path;
    path.copy(addr.sun_path, path.size());
    int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(fd, 0);
    int r = bind(fd, reinterpret_cast<struct sockaddr *>(&addr), sizeof(addr));
    int err = errno;
    close(fd);
    ASSERT_EQ(r, 0) << path << ": " << strerror(err);
}

/// A temporary folder below base, or none when base has no room for one.
inline std::unique_ptr<TempDir> folder_below(const std::string &base)
{
    try {
        return std::make_unique<TempDir>("file_op_test", base);
    } catch (const std::runtime_error &) {
        return nullptr;
    }
}

/// Works in another directory while it lives, then returns to the previous one.
class ScopedCwd
{
public:
    explicit ScopedCwd(const std::string &dir)
    {
        char buf[4096];
        if (getcwd(buf, sizeof(buf)) != nullptr)
            old = buf;
        if (chdir(dir.c_str()) != 0)
            ADD_FAILURE() << "chdir " << dir << ": " << strerror(errno);
    }
    ~ScopedCwd()
    {
        if (!old.empty() && chdir(old.c_str()) != 0)
            ADD_FAILURE() << "chdir back to " << old;
    }
    ScopedCwd(const ScopedCwd &) = delete;
    ScopedCwd &operator=(const ScopedCwd &) = delete;

private:
    std::string old;
};

/// Exit code of a child that could not take the wanted identity or set-up.
const int kChildCannot = 125;

/// Runs fn in a forked child and returns its result (0 to 124, or kChildCannot
/// when the child could not start the work; 124 also for anything out of that
/// range) as the child's exit status. The child never returns into the test
/// framework.
inline int run_in_child(const std::function<int()> &fn)
{
    pid_t pid = fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        int r = fn();
        _exit(r < 0 || r > kChildCannot ? 124 : r);
    }
    int st = 0;
    while (waitpid(pid, &st, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(st) ? WEXITSTATUS(st) : -1;
}

/// Like run_in_child, but fn runs as the unprivileged user "nobody" when the
/// tests run as root (else as the current user, who lacks privileges already).
inline int run_unprivileged(const std::function<int()> &fn)
{
    return run_in_child([&fn]() {
        if (geteuid() == 0) {
            struct passwd *pw = getpwnam("nobody");
            if (pw == nullptr || setgroups(0, nullptr) != 0 || setgid(pw->pw_gid) != 0 ||
                setuid(pw->pw_uid) != 0)
                return kChildCannot;
        }
        return fn();
    });
}

/// A test folder with the logger writing into it. The level file raises
/// "file_op_debug" to 7 so that every message of these functions is written.
class FileOpTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        old_umask = umask(022);
        std::string levels = tmp.write("levels.debug", "file_op_debug=7\n");
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, log_path().c_str(), levels.c_str(), 50),
                  0);
    }

    void TearDown() override
    {
        // Leave the logger on standard error, not on a removed file.
        Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
        umask(old_umask);
    }

    std::string log_path() const { return tmp.path("test.log"); }
    std::string log() const { return read_file(log_path()); }

    /// Expects count log lines that read "<tag> file-op(<line>): <text>" after
    /// their time stamp; the line number is only checked to be a number.
    void expect_logged(const std::string &tag, const std::string &text, size_t count = 1) const
    {
        const std::string head = tag + " file-op(";
        size_t found = 0;
        for (const std::string &line : lines_of(log())) {
            size_t at = line.find(head);
            if (at == std::string::npos)
                continue;
            size_t digits = at + head.size();
            size_t close_paren = line.find_first_not_of("0123456789", digits);
            if (close_paren == digits || close_paren == std::string::npos ||
                line.compare(close_paren, 3, "): ") != 0)
                continue;
            if (line.substr(close_paren + 3) == text)
                ++found;
        }
        EXPECT_EQ(found, count) << "looking for: " << head << "N): " << text << "\nlog:\n" << log();
    }

    std::string path(const std::string &rel) const { return tmp.path(rel); }
    std::string write(const std::string &rel, const std::string &content) const
    {
        return tmp.write(rel, content);
    }
    std::string make_dir(const std::string &rel) const
    {
        std::string p = tmp.path(rel);
        if (mkdir(p.c_str(), 0755) != 0)
            ADD_FAILURE() << "mkdir " << p << ": " << strerror(errno);
        return p;
    }
    std::string make_link(const std::string &target, const std::string &rel) const
    {
        std::string p = tmp.path(rel);
        if (symlink(target.c_str(), p.c_str()) != 0)
            ADD_FAILURE() << "symlink " << p << ": " << strerror(errno);
        return p;
    }

    /// Lets the unprivileged user reach and change the test folder.
    void open_to_nobody() const
    {
        struct passwd *pw = getpwnam("nobody");
        if (geteuid() == 0 && pw != nullptr) {
            ASSERT_EQ(chown(tmp.path().c_str(), pw->pw_uid, pw->pw_gid), 0);
        }
    }

    TempDir tmp{"file_op"};
    mode_t old_umask = 022;
};

} // namespace filetest

#endif
