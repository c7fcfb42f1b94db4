// fsync() and close() failures cannot be provoked on a local file system on
// demand, so this executable defines both calls itself: the linker binds the
// library's calls to them, and they fail only for the one file that a test
// arms, passing everything else to the C library.

#include "file_test_support.h"

#include <climits>
#include <cstdio>
#include <dlfcn.h>

namespace
{

std::string g_armed_path;
int g_fsync_errno = 0;
int g_close_errno = 0;

bool IsArmed(int fd)
{
    if (g_armed_path.empty())
        return false;
    char proc[64];
    std::snprintf(proc, sizeof(proc), "/proc/self/fd/%d", fd);
    char target[PATH_MAX];
    ssize_t n = readlink(proc, target, sizeof(target));
    return n > 0 && g_armed_path.compare(0, std::string::npos, target, static_cast<size_t>(n)) == 0;
}

template <typename Fn> Fn NextDefinition(const char *name)
{
    return reinterpret_cast<Fn>(dlsym(RTLD_NEXT, name));
}

} // namespace

extern "C" int fsync(int fd)
{
    static auto real = NextDefinition<int (*)(int)>("fsync");
    if (g_fsync_errno != 0 && IsArmed(fd)) {
        errno = g_fsync_errno;
        return -1;
    }
    return real(fd);
}

extern "C" int close(int fd)
{
    static auto real = NextDefinition<int (*)(int)>("close");
    if (g_close_errno != 0 && IsArmed(fd)) {
        // As Linux does: the descriptor is released even when close() fails.
        real(fd);
        errno = g_close_errno;
        return -1;
    }
    return real(fd);
}

namespace
{

using namespace filetest;

class CopyFaultTest : public FileOpTest
{
protected:
    void TearDown() override
    {
        Disarm();
        FileOpTest::TearDown();
    }

    static void Arm(const std::string &path, int fsync_errno, int close_errno)
    {
        char real[PATH_MAX];
        ASSERT_NE(realpath(path.c_str(), real), nullptr) << path;
        g_armed_path = real;
        g_fsync_errno = fsync_errno;
        g_close_errno = close_errno;
    }
    static void Disarm()
    {
        g_armed_path.clear();
        g_fsync_errno = g_close_errno = 0;
    }
};

TEST_F(CopyFaultTest, UnsyncedDataIsAFailureAndTheSourceStays)
{
    struct Case {
        const char *what;
        int fsync_errno, close_errno, result;
        const char *message;
    } cases[] = {
        {"fsync EIO", EIO, 0, -1, "CopyFile: fsync(%s): Input/output error (5)"},
        {"fsync ENOSPC", ENOSPC, 0, -2, "CopyFile: fsync(%s): No space left on device (28)"},
        {"close EDQUOT", 0, EDQUOT, -2, "CopyFile: close(%s): Disk quota exceeded (122)"},
        {"close EIO", 0, EIO, -1, "CopyFile: close(%s): Input/output error (5)"},
    };
    int n = 0;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        std::string src = write("src" + std::to_string(n), "must not be lost");
        std::string dst = write("dst" + std::to_string(n), "");
        ++n;
        Arm(dst, c.fsync_errno, c.close_errno);
        EXPECT_EQ(FSCopy(src.c_str(), dst.c_str(), true), c.result);
        Disarm();
        EXPECT_EQ(read_file(src), "must not be lost");
        char message[512];
        std::snprintf(message, sizeof(message), c.message, dst.c_str());
        expect_logged("[ERROR]", message);
    }
}

TEST_F(CopyFaultTest, SyncedCopyRemovesTheSource)
{
    std::string src = write("src", "moved");
    std::string dst = write("dst", "");
    // Armed for another file: the copy's own descriptors are left alone.
    Arm(write("other", ""), EIO, EIO);
    EXPECT_EQ(FSCopy(src.c_str(), dst.c_str(), true), 0);
    EXPECT_FALSE(exists(src));
    EXPECT_EQ(read_file(dst), "moved");
}

TEST_F(CopyFaultTest, CrossDeviceMoveKeepsTheSourceWhenTheCopyIsNotDurable)
{
    std::unique_ptr<TempDir> other = folder_below("/dev/shm");
    struct stat a, b;
    if (!other || stat(other->path().c_str(), &a) != 0 || stat(tmp.path().c_str(), &b) != 0 ||
        a.st_dev == b.st_dev)
        GTEST_SKIP() << "needs /dev/shm on another file system than " << tmp.path();
    std::string src = write("src", "precious");
    std::string dst = other->path("dst");
    std::ofstream(dst) << "";
    Arm(dst, EIO, 0);
    EXPECT_EQ(FSRename(src.c_str(), dst.c_str(), false), -3);
    Disarm();
    EXPECT_EQ(read_file(src), "precious");
}

} // namespace
