#include "file_test_support.h"

#include <fcntl.h>
#include <fstream>
#include <map>
#include <sched.h>
#include <sys/mount.h>
#include <sys/sysmacros.h>
#include <sys/time.h>

namespace
{

using namespace filetest;

// Just over one 32 MiB copy block, so the copy loop goes round twice.
const size_t kOverOneBlock = 33554432 + 4099;

// ---- typing a path --------------------------------------------------------------

class FileInfoTest : public FileOpTest
{
};

TEST_F(FileInfoTest, TypesEveryKindOfPathWithoutFollowingLinks)
{
    std::string file = write("file", "hello");
    struct timeval times[2] = {{1000, 0}, {1234567890, 0}};
    ASSERT_EQ(utimes(file.c_str(), times), 0);
    make_dir("dir");
    make_link("file", "link");
    make_link("missing", "dangling");
    ASSERT_EQ(mkfifo(path("fifo").c_str(), 0600), 0);
    make_socket(path("sock"));

    struct Case {
        std::string path;
        FILE_TYPE type;
        const char *name;
    } cases[] = {
        {path("file"), FT_FILE, "file"},  {path("dir"), FT_DIR, "dir"},
        {path("link"), FT_SLINK, "link"}, {path("dangling"), FT_SLINK, "dangling"},
        {path("fifo"), FT_FIFO, "fifo"},  {path("sock"), FT_SOCK, "sock"},
        {"/dev/null", FT_DEV, "null"},    {path("dir/"), FT_DIR, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        FILE_INFO info;
        ASSERT_EQ(FSStat(c.path.c_str(), info, false), 0);
        struct stat st = lstat_of(c.path);
        EXPECT_TRUE(info.isExist);
        EXPECT_EQ(info.type, c.type);
        EXPECT_EQ(info.path, ustring(c.path.c_str()));
        EXPECT_EQ(info.name, ustring(c.name));
        EXPECT_EQ(info.size, static_cast<uint64_t>(st.st_size));
        EXPECT_EQ(info.mtime, static_cast<uint32_t>(st.st_mtime));
        EXPECT_EQ(info.mode, st.st_mode);
        EXPECT_EQ(info.uid, st.st_uid);
        EXPECT_EQ(info.gid, st.st_gid);
        EXPECT_EQ(info.dev_id, static_cast<uint64_t>(st.st_dev));
        EXPECT_TRUE(IsFileExist(c.path.c_str(), false));
    }

    FILE_INFO info;
    ASSERT_EQ(GetFileInfo(file.c_str(), info), 0);
    EXPECT_EQ(info.size, 5u);
    EXPECT_EQ(info.mtime, 1234567890u);
    ASSERT_EQ(GetFileInfo(path("link").c_str(), info), 0);
    EXPECT_EQ(info.size, 4u) << "the link's own size: the length of its text";
}

FILE_INFO filled_info()
{
    FILE_INFO info;
    info.path = "old path";
    info.name = "old name";
    info.type = FT_FIFO;
    info.mtime = 7;
    info.size = 8;
    info.isExist = true;
    info.uid = 9;
    info.gid = 10;
    info.mode = 11;
    info.dev_id = 12;
    return info;
}

TEST_F(FileInfoTest, MissingPathIsDescribedAsAbsent)
{
    std::string missing = path("nothing/here");
    // Through a missing folder lstat fails with ENOENT too.
    for (const std::string &p : {path("nothing"), missing}) {
        SCOPED_TRACE(p);
        FILE_INFO info = filled_info();
        ASSERT_EQ(FSStat(p.c_str(), info, true), 0);
        EXPECT_FALSE(info.isExist);
        EXPECT_EQ(info.type, FT_ERR);
        EXPECT_EQ(info.size, 0u);
        EXPECT_EQ(info.mtime, 0u);
        EXPECT_EQ(info.uid, 0u);
        EXPECT_EQ(info.gid, 0u);
        EXPECT_EQ(info.mode, 0u);
        EXPECT_EQ(info.dev_id, 0u);
        EXPECT_EQ(info.path, ustring(p.c_str()));
        EXPECT_EQ(info.name, FSBaseName(p.c_str()));
        EXPECT_FALSE(IsFileExist(p.c_str(), false));
    }
}

TEST_F(FileInfoTest, EmptyOrUntypablePathLeavesInfoUnchanged)
{
    std::string through_file = write("file", "x") + "/child";
    FILE_INFO info = filled_info();
    EXPECT_EQ(FSStat("", info, false), -1);
    EXPECT_EQ(info, filled_info());
    EXPECT_EQ(info.uid, 9u);

    EXPECT_EQ(FSStat(through_file.c_str(), info, false), -2) << "lstat fails with ENOTDIR";
    EXPECT_EQ(GetFileInfo(through_file.c_str(), info), -1);
    EXPECT_EQ(info, filled_info());
    EXPECT_EQ(info.dev_id, 12u);

    EXPECT_FALSE(IsFileExist("", false));
    EXPECT_FALSE(IsFileExist(through_file.c_str(), true));
    EXPECT_EQ(log(), "") << "none of these failures is logged";
}

TEST(FileInfoValue, ConstructedEmptyAndComparedOnSixFields)
{
    FILE_INFO fresh;
    EXPECT_TRUE(fresh.path.empty());
    EXPECT_TRUE(fresh.name.empty());
    EXPECT_EQ(fresh.type, FT_ERR);
    EXPECT_FALSE(fresh.isExist);
    EXPECT_EQ(fresh.mtime + fresh.size + fresh.uid + fresh.gid + fresh.mode + fresh.dev_id, 0u);

    struct Case {
        const char *field;
        std::function<void(FILE_INFO &)> change;
        bool still_equal;
    } cases[] = {
        {"isExist", [](FILE_INFO &i) { i.isExist = false; }, false},
        {"size", [](FILE_INFO &i) { i.size = 99; }, false},
        {"mtime", [](FILE_INFO &i) { i.mtime = 99; }, false},
        {"type", [](FILE_INFO &i) { i.type = FT_DIR; }, false},
        {"path", [](FILE_INFO &i) { i.path = "other"; }, false},
        {"name", [](FILE_INFO &i) { i.name = "other"; }, false},
        {"uid", [](FILE_INFO &i) { i.uid = 99; }, true},
        {"gid", [](FILE_INFO &i) { i.gid = 99; }, true},
        {"mode", [](FILE_INFO &i) { i.mode = 99; }, true},
        {"dev_id", [](FILE_INFO &i) { i.dev_id = 99; }, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.field);
        FILE_INFO a = filled_info(), b = filled_info();
        c.change(b);
        EXPECT_EQ(a == b, c.still_equal);
        EXPECT_EQ(a != b, !c.still_equal);
    }
}

TEST(FileBaseName, LastComponent)
{
    struct Case {
        const char *path, *base;
    } cases[] = {{"/a/b/", ""}, {"/a/b", "b"}, {"b", "b"}, {"/", ""}, {"", ""}, {"a//b", "b"}};
    for (const Case &c : cases)
        EXPECT_EQ(FSBaseName(c.path), ustring(c.base)) << c.path;
}

// ---- creating directories ---------------------------------------------------------

class MkDirTest : public FileOpTest
{
};

TEST_F(MkDirTest, CreatesOrAcceptsADirectory)
{
    std::string dir = path("new");
    EXPECT_EQ(FSMKDir(dir.c_str(), false), 0);
    EXPECT_EQ(lstat_of(dir).st_mode & 07777, 0755u) << "0777 less the umask 022";
    EXPECT_EQ(FSMKDir(dir.c_str(), false), 0) << "an existing directory is accepted";
    EXPECT_EQ(FSMKDir("", true), -1);
    EXPECT_EQ(log(), "");
}

TEST_F(MkDirTest, MissingParentsOnlyWithIsCreateParent)
{
    std::string deep = path("a/b/c");
    EXPECT_EQ(FSMKDir(deep.c_str(), false), -2);
    EXPECT_FALSE(exists(path("a")));
    EXPECT_EQ(FSMKDir(deep.c_str(), true), 0);
    EXPECT_TRUE(S_ISDIR(lstat_of(deep).st_mode));
    EXPECT_EQ(lstat_of(path("a")).st_mode & 07777, 0755u);
}

TEST_F(MkDirTest, RefusesWhatIsNotADirectory)
{
    std::string file = write("file", "x");
    std::string link = make_link(make_dir("target"), "link");
    struct Case {
        std::string path;
        int type;
    } cases[] = {{file, FT_FILE}, {link, FT_SLINK}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        for (bool parents : {false, true})
            EXPECT_EQ(FSMKDir(c.path.c_str(), parents), -1);
        expect_logged("[ERROR]",
                      "FSMKDir: Create a folder but local file system is not directory '" + c.path +
                          "' (" + std::to_string(c.type) + ")",
                      2);
    }
}

TEST_F(MkDirTest, UntypablePathIsLogged)
{
    std::string through_file = write("file", "x") + "/sub";
    EXPECT_EQ(FSMKDir(through_file.c_str(), true), -1);
    expect_logged("[ERROR]", "FSMKDir: Failed to to file info '" + through_file + "'");
}

TEST_F(MkDirTest, MkDirPWalksEveryLevel)
{
    struct Case {
        const char *rel;
        const char *made;
    } cases[] = {
        {"p1/q/r", "p1/q/r"},
        {"p2/q/", "p2/q"},
        {"p3//q", "p3/q"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.rel);
        std::string p = path(c.rel);
        EXPECT_EQ(FSMKDirP(p.c_str(), nullptr, false, static_cast<mode_t>(-1)), 0);
        EXPECT_TRUE(S_ISDIR(lstat_of(path(c.made)).st_mode));
    }
    {
        // A relative path is walked from the current directory.
        ScopedCwd cwd(tmp.path());
        EXPECT_EQ(FSMKDirP("rel/x", nullptr, false, static_cast<mode_t>(-1)), 0);
    }
    EXPECT_TRUE(exists(path("rel/x")));
    EXPECT_EQ(FSMKDirP("", nullptr, false, static_cast<mode_t>(-1)), -1);
    EXPECT_EQ(FSMKDirP("/", nullptr, false, static_cast<mode_t>(-1)), 0);
}

TEST_F(MkDirTest, MkDirPFollowsALinkToADirectory)
{
    make_link(make_dir("real"), "alias");
    EXPECT_EQ(FSMKDirP(path("alias/inner").c_str(), nullptr, false, static_cast<mode_t>(-1)), 0);
    EXPECT_TRUE(S_ISDIR(lstat_of(path("real/inner")).st_mode));
    EXPECT_EQ(log(), "");
}

TEST_F(MkDirTest, MkDirPExplicitModeIgnoresTheUmaskAndRestoresIt)
{
    umask(077);
    std::string p = path("m/n");
    EXPECT_EQ(FSMKDirP(p.c_str(), nullptr, false, 0751), 0);
    EXPECT_EQ(lstat_of(path("m")).st_mode & 07777, 0751u);
    EXPECT_EQ(lstat_of(p).st_mode & 07777, 0751u);
    EXPECT_EQ(umask(022), 077u);
}

TEST_F(MkDirTest, MkDirPFileInTheWay)
{
    std::string file = write("f", "keep");

    errno = 0;
    EXPECT_EQ(FSMKDirP(file.c_str(), nullptr, false, static_cast<mode_t>(-1)), -1);
    EXPECT_EQ(errno, EEXIST);
    expect_logged("[INFO]",
                  "FSMKDirP: path: " + file + " is existing file or symbolic link pointed to file");

    EXPECT_EQ(FSMKDirP((file + "/x").c_str(), nullptr, false, static_cast<mode_t>(-1)), -1);
    expect_logged("[INFO]", "FSMKDirP: path: " + file + " is symbolic link pointed to folder");
    EXPECT_EQ(read_file(file), "keep");

    EXPECT_EQ(FSMKDirP((file + "/x").c_str(), nullptr, true, static_cast<mode_t>(-1)), 0);
    EXPECT_TRUE(S_ISDIR(lstat_of(file + "/x").st_mode)) << "forced: the file was replaced";
}

TEST_F(MkDirTest, MkDirPEndPointerIntoTheCallersText)
{
    write("f", "");
    struct Case {
        std::string path;
        int result;
        std::string rest; // the caller's text from *endptr on
    } cases[] = {
        {path("e1/e2"), 0, ""},
        {path("e3/"), 0, "/"},
        {path("f/x/y"), -1, "/y"},
        {path("f"), -1, ""},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path);
        ustring p(c.path.c_str());
        char *end = nullptr;
        EXPECT_EQ(FSMKDirP(p, &end, false, static_cast<mode_t>(-1)), c.result);
        ASSERT_GE(end, p.c_str());
        ASSERT_LE(end, p.c_str() + p.length());
        EXPECT_EQ(std::string(end), c.rest);
    }
}

// ---- copying ------------------------------------------------------------------------

class CopyTest : public FileOpTest
{
};

TEST_F(CopyTest, CopiesTheBytes)
{
    std::string big(kOverOneBlock, '\0');
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<char>(i * 7 + i / 4096);
    struct Case {
        const char *name;
        std::string content;
    } cases[] = {{"empty", ""}, {"small", "hello\n"}, {"over-one-block", big}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        std::string src = write(std::string("src-") + c.name, c.content);
        std::string dst = path(std::string("dst-") + c.name);
        ASSERT_EQ(FSCopy(src.c_str(), dst.c_str(), false), 0);
        EXPECT_TRUE(read_file(dst) == c.content);
        EXPECT_EQ(read_file(src).size(), c.content.size()) << "the source stays";
        EXPECT_EQ(lstat_of(dst).st_mode & 07777, 0644u) << "0666 less the umask";
    }
    EXPECT_EQ(log(), "");
}

TEST_F(CopyTest, OverwritesAnExistingFileKeepingItsPermissions)
{
    std::string src = write("src", "short");
    std::string dst = write("dst", "a much longer old content");
    ASSERT_EQ(chmod(dst.c_str(), 0600), 0);
    ASSERT_EQ(FSCopy(src.c_str(), dst.c_str(), false), 0);
    EXPECT_EQ(read_file(dst), "short");
    EXPECT_EQ(lstat_of(dst).st_mode & 07777, 0600u);
}

TEST_F(CopyTest, DeletesTheOriginOnlyAfterSuccess)
{
    std::string src = write("src", "payload");
    std::string dst = path("dst");
    ASSERT_EQ(FSCopy(src.c_str(), dst.c_str(), true), 0);
    EXPECT_FALSE(exists(src));
    EXPECT_EQ(read_file(dst), "payload");

    std::string kept = write("kept", "payload");
    EXPECT_EQ(FSCopy(kept.c_str(), path("no/such/dir/dst").c_str(), true), -1);
    EXPECT_EQ(read_file(kept), "payload");
    expect_logged("[ERROR]",
                  "CopyFile: open(" + path("no/such/dir/dst") + "): No such file or directory (2)");
}

TEST_F(CopyTest, MissingSourceTouchesNothing)
{
    std::string dst = path("dst");
    EXPECT_EQ(FSCopy(path("missing").c_str(), dst.c_str(), true), -1);
    EXPECT_FALSE(exists(dst));
    expect_logged("[ERROR]",
                  "CopyFile: open(" + path("missing") + "): No such file or directory (2)");
}

TEST_F(CopyTest, DirectorySourceLeavesTheDestinationAlone)
{
    std::string dir = make_dir("dir");
    std::string dst = write("dst", "precious");
    EXPECT_EQ(FSCopy(dir.c_str(), dst.c_str(), true), -1);
    EXPECT_EQ(read_file(dst), "precious");
    EXPECT_TRUE(exists(dir));
    expect_logged("[ERROR]", "CopyFile: open(" + dir + "): Is a directory (21)");
}

TEST_F(CopyTest, SameFileIsNeverTruncated)
{
    std::string src = write("src", "only copy");
    ASSERT_EQ(link(src.c_str(), path("hard").c_str()), 0);
    make_dir("sub");
    make_link("src", "soft");
    const std::string others[] = {src, path("hard"), path("sub/../src"), path("soft")};
    for (const std::string &dst : others) {
        SCOPED_TRACE(dst);
        for (bool del : {false, true}) {
            EXPECT_EQ(FSCopy(src.c_str(), dst.c_str(), del), -1);
            EXPECT_EQ(read_file(src), "only copy");
        }
        expect_logged("[ERROR]", "CopyFile: '" + src + "' and '" + dst + "' are the same file", 2);
    }
}

TEST_F(CopyTest, FifoWithoutWriterDoesNotHang)
{
    std::string fifo = path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    std::string dst = path("dst");
    int r = run_in_child([&]() {
        alarm(20); // a hang ends the child instead of the suite
        return FSCopy(fifo.c_str(), dst.c_str(), false) == 0 ? 0 : 1;
    });
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(exists(dst));
    EXPECT_EQ(read_file(dst), "");
    EXPECT_TRUE(S_ISFIFO(lstat_of(fifo).st_mode));
}

TEST_F(CopyTest, NoSpaceOnTheDeviceIsMinusTwo)
{
    if (!exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    std::string src = write("src", "data that does not fit");
    EXPECT_EQ(FSCopy(src.c_str(), "/dev/full", true), -2);
    EXPECT_EQ(read_file(src), "data that does not fit") << "the source stays after a failure";
    expect_logged("[ERROR]", "CopyFile: write: No space left on device (28)");
}

// Runs fn in a child process with a 64 KiB tmpfs mounted on mount_point, in a
// mount namespace of the child's own, so the mount vanishes with the child.
int with_small_tmpfs(const std::string &mount_point, const std::function<int()> &fn)
{
    return run_in_child([&]() {
        if (unshare(CLONE_NEWNS) != 0 ||
            mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0)
            return kChildCannot;
        return fn();
    });
}

TEST_F(CopyTest, FullFileSystemLeavesAPartialCopyAndTheSource)
{
    std::string src = write("src", std::string(256 * 1024, 'z'));
    std::string full = make_dir("full");
    int r = with_small_tmpfs(full, [&]() {
        int copy = FSCopy(src.c_str(), (full + "/dst").c_str(), true);
        struct stat st;
        if (copy != -2)
            return 1;
        if (lstat((full + "/dst").c_str(), &st) != 0 || st.st_size == 0 || st.st_size >= 256 * 1024)
            return 2;
        if (read_file(src).size() != 256 * 1024)
            return 3;
        // Across file systems the failed copy leaves the source in place.
        if (FSRename(src.c_str(), (full + "/moved").c_str(), false) != -3)
            return 4;
        return read_file(src).size() == 256 * 1024 ? 0 : 5;
    });
    if (r == kChildCannot)
        GTEST_SKIP() << "cannot mount a small tmpfs in a private mount namespace here";
    EXPECT_EQ(r, 0);
    expect_logged("[ERROR]", "CopyFile: write: No space left on device (28)", 2);
    EXPECT_FALSE(exists(full + "/dst")) << "the mount went away with the child";
}

// ---- renaming -----------------------------------------------------------------------

class RenameTest : public FileOpTest
{
};

TEST_F(RenameTest, ResultCodes)
{
    std::string file = write("file", "x");
    make_dir("full");
    write("full/inside", "y");
    make_dir("dir");
    std::string long_name = path(std::string(300, 'n'));
    struct Case {
        const char *what;
        std::string from, to;
        int result;
    } cases[] = {
        {"empty to", file, "", -1},
        {"empty from", "", path("x"), -1},
        {"missing from", path("missing"), path("x"), -2},
        {"from not typable", file + "/sub", path("x"), -2},
        {"name too long", file, long_name, -100},
        {"into a missing folder", file, path("no/such"), -3},
        {"directory onto a non-empty one", path("dir"), path("full"), -3},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(FSRename(c.from.c_str(), c.to.c_str(), false), c.result);
    }
    EXPECT_EQ(read_file(file), "x");

    EXPECT_EQ(FSRename(file.c_str(), path("renamed").c_str(), true), 0);
    EXPECT_FALSE(exists(file));
    EXPECT_EQ(read_file(path("renamed")), "x");
}

// A folder on another file system than the test folder, or empty.
class CrossDeviceTest : public RenameTest
{
protected:
    void SetUp() override
    {
        RenameTest::SetUp();
        other = folder_below("/dev/shm");
        struct stat a, b;
        if (!other || stat(other->path().c_str(), &a) != 0 ||
            stat(tmp.path().c_str(), &b) != 0 || a.st_dev == b.st_dev)
            GTEST_SKIP() << "needs /dev/shm on another file system than " << tmp.path();
    }

    std::unique_ptr<TempDir> other;
};

TEST_F(CrossDeviceTest, FileIsCopiedThenRemoved)
{
    std::string from = write("file", "across");
    std::string to = other->path("file");
    EXPECT_EQ(FSRename(from.c_str(), to.c_str(), false), 0);
    EXPECT_FALSE(exists(from));
    EXPECT_EQ(read_file(to), "across");
}

TEST_F(CrossDeviceTest, DirectoryTreeIsMergedIntoTheDestination)
{
    make_dir("tree");
    make_dir("tree/sub");
    make_dir("tree/sub/deeper");
    write("tree/a", "new a");
    write("tree/sub/b", "b");
    write("tree/sub/deeper/c", "c");
    make_link("../a", "tree/sub/link");
    ASSERT_EQ(mkfifo(path("tree/fifo").c_str(), 0640), 0);

    std::string to = other->path("tree");
    ASSERT_EQ(mkdir(to.c_str(), 0700), 0);
    std::ofstream(to + "/a") << "old a";
    std::ofstream(to + "/extra") << "stays";

    EXPECT_EQ(FSRename(path("tree").c_str(), to.c_str(), false), 0);
    EXPECT_FALSE(exists(path("tree")));
    EXPECT_EQ(read_file(to + "/a"), "new a");
    EXPECT_EQ(read_file(to + "/extra"), "stays");
    EXPECT_EQ(read_file(to + "/sub/b"), "b");
    EXPECT_EQ(read_file(to + "/sub/deeper/c"), "c");
    EXPECT_EQ(link_text(to + "/sub/link"), "../a");
    struct stat fifo = lstat_of(to + "/fifo");
    EXPECT_TRUE(S_ISFIFO(fifo.st_mode));
    EXPECT_EQ(fifo.st_mode & 07777, 0640u);
}

TEST_F(CrossDeviceTest, LinkAndFifoAreRecreated)
{
    std::string link = make_link("some/where", "link");
    std::string to_link = other->path("link");
    std::ofstream(to_link) << "replaced, as rename would";
    EXPECT_EQ(FSRename(link.c_str(), to_link.c_str(), false), 0);
    EXPECT_FALSE(exists(link));
    EXPECT_TRUE(S_ISLNK(lstat_of(to_link).st_mode));
    EXPECT_EQ(link_text(to_link), "some/where");

    std::string fifo = path("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0606), 0);
    ASSERT_EQ(chmod(fifo.c_str(), 0606), 0);
    EXPECT_EQ(FSRename(fifo.c_str(), other->path("fifo").c_str(), false), 0);
    EXPECT_FALSE(exists(fifo));
    struct stat st = lstat_of(other->path("fifo"));
    EXPECT_TRUE(S_ISFIFO(st.st_mode));
    EXPECT_EQ(st.st_mode & 07777, 0606u) << "the umask does not change the moved pipe";
}

TEST_F(CrossDeviceTest, SocketOrDeviceStaysWhereItIs)
{
    make_socket(path("sock"));
    std::vector<std::string> nodes = {path("sock")};
    if (mknod(path("dev").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        nodes.push_back(path("dev"));
    for (const std::string &node : nodes) {
        SCOPED_TRACE(node);
        std::string to = other->path(FSBaseName(node.c_str()).c_str());
        EXPECT_EQ(FSRename(node.c_str(), to.c_str(), false), -3);
        EXPECT_TRUE(exists(node));
        EXPECT_FALSE(exists(to));
        int type = node == path("sock") ? FT_SOCK : FT_DEV;
        expect_logged("[ERROR]", "FSRename: Cannot move '" + node + "' of type " +
                                     std::to_string(type) + " to another file system '" + to + "'");
    }
}

TEST_F(CrossDeviceTest, EntryLeftBehindFailsTheDirectoryMove)
{
    make_dir("tree");
    write("tree/file", "moved");
    make_socket(path("tree/sock"));
    std::string to = other->path("tree");
    EXPECT_EQ(FSRename(path("tree").c_str(), to.c_str(), false), -3);
    EXPECT_TRUE(exists(path("tree/sock")));
    EXPECT_TRUE(exists(path("tree"))) << "a folder that still holds an entry is not removed";
    // Entries moved before the failure stay moved, whichever order the listing had.
    EXPECT_NE(exists(path("tree/file")), exists(to + "/file"));
}

// ---- removing ---------------------------------------------------------------------

class RemoveTest : public FileOpTest
{
};

TEST_F(RemoveTest, RemovesEveryKindOfPath)
{
    make_dir("tree");
    make_dir("tree/a");
    make_dir("tree/a/b");
    write("tree/a/b/file", "x");
    write("tree/top", "y");
    make_link("missing", "tree/a/dangling");
    ASSERT_EQ(mkfifo(path("tree/fifo").c_str(), 0600), 0);
    make_socket(path("tree/a/sock"));
    write("file", "z");

    for (const char *rel : {"tree", "file"}) {
        SCOPED_TRACE(rel);
        EXPECT_EQ(FSRemove(path(rel).c_str(), false), 0);
        EXPECT_FALSE(exists(path(rel)));
    }
    EXPECT_EQ(FSRemove(path("tree").c_str(), true), 0) << "already absent";
    EXPECT_EQ(FSRemove("", false), -1);
    EXPECT_EQ(FSRemove((write("f", "") + "/x").c_str(), false), -1) << "not typable";
}

TEST_F(RemoveTest, LinkToADirectoryIsRemovedAsALink)
{
    make_dir("target");
    write("target/keep", "kept");
    std::string link = make_link(path("target"), "link");
    EXPECT_EQ(FSRemove(link.c_str(), false), 0);
    EXPECT_FALSE(exists(link));
    EXPECT_EQ(read_file(path("target/keep")), "kept");
}

TEST_F(RemoveTest, DirectoryThatCannotBeListedIsNotReportedGone)
{
    open_to_nobody();
    std::string locked = path("outer/locked");
    int r = run_unprivileged([&]() {
        if (mkdir(path("outer").c_str(), 0755) != 0 || mkdir(locked.c_str(), 0755) != 0)
            return kChildCannot;
        std::ofstream(locked + "/inside") << "x";
        // Writable and searchable, but not readable: it cannot be listed.
        if (chmod(locked.c_str(), 0300) != 0)
            return kChildCannot;
        int own = FSRemove(locked.c_str(), false);
        int parent = FSRemove(path("outer").c_str(), false);
        chmod(locked.c_str(), 0700);
        return own == -3 && parent == -3 ? 0 : 10 + (own + 3) * 4 + (parent + 3);
    });
    if (r == kChildCannot)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(r, 0);
    EXPECT_TRUE(exists(locked + "/inside"));
    expect_logged("[ERROR]",
                  "FSOpenDir: Failed to open directory '" + locked + "'. Permission denied", 2);
}

// ---- directory listings -----------------------------------------------------------

class ReadDirTest : public FileOpTest
{
};

std::map<std::string, DIR_ENTRY> list(const std::string &dir, int flag)
{
    std::map<std::string, DIR_ENTRY> entries;
    DIR_HANDLE dh;
    EXPECT_EQ(FSOpenDir(dir.c_str(), flag, dh), 0);
    EXPECT_EQ(dh.path, ustring(dir.c_str()));
    EXPECT_EQ(dh.flag, flag);
    DIR_ENTRY e;
    int r;
    while ((r = FSReadDir(dh, e)) == 1)
        entries[e.name.c_str()] = e;
    EXPECT_EQ(r, 0);
    EXPECT_EQ(FSReadDir(dh, e), 0) << "the end stays the end";
    FSCloseDir(dh);
    EXPECT_EQ(dh.dp, nullptr);
    EXPECT_TRUE(dh.path.empty());
    return entries;
}

TEST_F(ReadDirTest, ListsEveryEntryWithItsType)
{
    std::string dir = make_dir("d");
    write("d/file", "12345");
    struct timeval times[2] = {{1, 0}, {1500000000, 0}};
    ASSERT_EQ(utimes(path("d/file").c_str(), times), 0);
    make_dir("d/sub");
    make_link("file", "d/link");
    ASSERT_EQ(mkfifo(path("d/fifo").c_str(), 0600), 0);
    make_socket(path("d/sock"));

    struct Expect {
        const char *name;
        FILE_TYPE type;
    } expected[] = {{".", FT_DIR},      {"..", FT_DIR},    {"file", FT_FILE}, {"sub", FT_DIR},
                    {"link", FT_SLINK}, {"fifo", FT_FIFO}, {"sock", FT_SOCK}};

    std::map<std::string, DIR_ENTRY> plain = list(dir, 0);
    std::map<std::string, DIR_ENTRY> detailed = list(dir, 1);
    ASSERT_EQ(plain.size(), 7u);
    ASSERT_EQ(detailed.size(), 7u);
    for (const Expect &e : expected) {
        SCOPED_TRACE(e.name);
        ASSERT_EQ(plain.count(e.name), 1u);
        EXPECT_EQ(plain[e.name].type, e.type);
        EXPECT_EQ(plain[e.name].mtime, 0u);
        EXPECT_EQ(plain[e.name].size, 0u);
        EXPECT_EQ(detailed[e.name].type, e.type);
        struct stat st = lstat_of(dir + "/" + e.name);
        EXPECT_EQ(detailed[e.name].size, static_cast<uint64_t>(st.st_size));
        EXPECT_EQ(detailed[e.name].mtime, static_cast<uint32_t>(st.st_mtime));
    }
    EXPECT_EQ(detailed["file"].size, 5u);
    EXPECT_EQ(detailed["file"].mtime, 1500000000u);
    EXPECT_EQ(log(), "");
}

TEST_F(ReadDirTest, EntryThatCannotBeStatedIsAnErrorAndTheListingGoesOn)
{
    open_to_nobody();
    std::string dir = path("d");
    // Result: the number of -1 results with flag 1 times 10, plus the number of
    // entries with flag 0; then the end must follow.
    int r = run_unprivileged([&]() {
        if (mkdir(dir.c_str(), 0755) != 0)
            return kChildCannot;
        std::ofstream(dir + "/a") << "x";
        std::ofstream(dir + "/b") << "y";
        // Listable but not searchable: lstat of every entry is refused.
        if (chmod(dir.c_str(), 0600) != 0)
            return kChildCannot;
        int errors = 0, entries = 0;
        DIR_HANDLE dh;
        DIR_ENTRY e;
        if (FSOpenDir(dir.c_str(), 1, dh) != 0)
            return 100;
        int res;
        while ((res = FSReadDir(dh, e)) == -1 && errors < 9)
            ++errors;
        FSCloseDir(dh);
        if (res != 0)
            return 101;
        if (FSOpenDir(dir.c_str(), 0, dh) != 0)
            return 102;
        while (FSReadDir(dh, e) == 1)
            ++entries;
        FSCloseDir(dh);
        chmod(dir.c_str(), 0700);
        return errors * 10 + entries;
    });
    if (r == kChildCannot)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(r, 44);
    expect_logged("[ERROR]", "FSOpenDir: Failed to get info for '" + dir + "/a'");
    expect_logged("[ERROR]", "FSOpenDir: Failed to get info for '" + dir + "/..'");
}

TEST_F(ReadDirTest, OpenFailureLeavesTheHandle)
{
    DIR_HANDLE dh;
    dh.path = "before";
    dh.flag = 5;
    EXPECT_EQ(FSOpenDir(path("missing").c_str(), 1, dh), -1);
    EXPECT_EQ(dh.dp, nullptr);
    EXPECT_EQ(dh.path, ustring("before"));
    EXPECT_EQ(dh.flag, 5);
    expect_logged("[ERROR]", "FSOpenDir: Failed to open directory '" + path("missing") +
                                 "'. No such file or directory");

    std::string file = write("file", "");
    EXPECT_EQ(FSOpenDir(file.c_str(), 0, dh), -1);
    expect_logged("[ERROR]", "FSOpenDir: Failed to open directory '" + file + "'. Not a directory");
}

TEST_F(ReadDirTest, ClosedHandleReadsNothingAndClosesTwiceSafely)
{
    std::string dir = make_dir("d");
    DIR_HANDLE dh;
    DIR_ENTRY e;
    EXPECT_EQ(FSReadDir(dh, e), -1);
    expect_logged("[ERROR]", "FSOpenDir: Failed to read directory ''. Bad file descriptor");

    ASSERT_EQ(FSOpenDir(dir.c_str(), 0, dh), 0);
    FSCloseDir(dh);
    FSCloseDir(dh);
    EXPECT_EQ(dh.dp, nullptr);
    ASSERT_EQ(FSOpenDir(dir.c_str(), 0, dh), 0) << "a closed handle may be opened again";
    EXPECT_EQ(FSReadDir(dh, e), 1);
    FSCloseDir(dh);
}

} // namespace
