#include "file_test_support.h"

#include <algorithm>
#include <climits>
#include <fcntl.h>
#include <sys/time.h>

namespace
{

using namespace filetest;

// ---- path text ------------------------------------------------------------------------

TEST(FileParentPath, TextBeforeTheLastSlash)
{
    struct Case {
        const char *path, *parent;
    } cases[] = {{"a", "/"}, {"/a", "/"},  {"/a/b", "/a"}, {"/a/b/", "/a/b"},
                 {"", "/"},  {"a/b", "a"}, {"/", "/"}};
    for (const Case &c : cases)
        EXPECT_EQ(FSParentPath(c.path), ustring(c.parent)) << c.path;
}

TEST(FileIsParentFolder, PrefixEndingAtAComponent)
{
    struct Case {
        const char *parent, *child;
        bool result;
    } cases[] = {
        {"/a", "/a", true},  {"/a", "/ab", false}, {"/a", "/a/b", true},  {"/", "/a", false},
        {"", "/a", true},    {"", "a", false},     {"/a/b", "/a", false}, {"/b", "/a/b", false},
        {"/a", "/a/", true}, {"", "", true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(FSIsParentFolder(c.parent, c.child), c.result)
            << "'" << c.parent << "' of '" << c.child << "'";
}

TEST(FileTimeEqual, ExactSecondsOnly)
{
    EXPECT_TRUE(FSTimeEqual(1700000000, 1700000000));
    EXPECT_FALSE(FSTimeEqual(1700000000, 1700000001));
    EXPECT_FALSE(FSTimeEqual(0, -1));
}

// ---- creating below a root ----------------------------------------------------------------

class MkDirFromRootTest : public FileOpTest
{
};

TEST_F(MkDirFromRootTest, CreatesEachLevelBelowTheRoot)
{
    std::string root = make_dir("a");
    EXPECT_EQ(FSMKDirFromRoot((root + "/b/c").c_str(), root.c_str()), 0);
    EXPECT_TRUE(S_ISDIR(lstat_of(root + "/b/c").st_mode));
    std::vector<std::string> creates;
    for (const std::string &line : lines_of(log()))
        if (line.find("FSMKDirFromRoot: create ") != std::string::npos)
            creates.push_back(line.substr(line.find("create ") + 7));
    EXPECT_EQ(creates, (std::vector<std::string>{"/b", "/b/c"}));
    expect_logged("[DEBUG]", "FSMKDirFromRoot: create /b");

    // Existing levels are accepted; the root itself is never created.
    EXPECT_EQ(FSMKDirFromRoot((root + "/b/c/d/").c_str(), root.c_str()), 0);
    EXPECT_TRUE(S_ISDIR(lstat_of(root + "/b/c/d").st_mode));
    EXPECT_EQ(FSMKDirFromRoot(path("absent/x").c_str(), path("absent").c_str()), -1);
    EXPECT_FALSE(exists(path("absent")));
}

TEST_F(MkDirFromRootTest, EqualPathsCreateNothing)
{
    std::string root = path("not-there");
    EXPECT_EQ(FSMKDirFromRoot(root.c_str(), root.c_str()), 0);
    EXPECT_FALSE(exists(root));
    EXPECT_EQ(log(), "");
}

TEST_F(MkDirFromRootTest, RefusesARootThatIsNotAbove)
{
    EXPECT_EQ(FSMKDirFromRoot("/a", "/a/b"), -1);
    expect_logged("[ERROR]", "Giving a root '/a/b' whose length is larger then target's '/a'.");
    EXPECT_EQ(FSMKDirFromRoot(path("ab/c").c_str(), path("a").c_str()), -1);
    expect_logged("[ERROR]", "root '" + path("a") + "' is not a parent folder of target '" +
                                 path("ab/c") + "'");
    EXPECT_FALSE(exists(path("ab")));
}

TEST_F(MkDirFromRootTest, StopsAtALevelThatIsALink)
{
    std::string root = make_dir("root");
    make_dir("elsewhere");
    make_link(path("elsewhere"), "root/link");
    EXPECT_EQ(FSMKDirFromRoot((root + "/link/x").c_str(), root.c_str()), -1);
    EXPECT_FALSE(exists(path("elsewhere/x")));
}

// ---- temporary files and names ------------------------------------------------------------

class TempTest : public FileOpTest
{
};

TEST_F(TempTest, MktempCreatesAnEmptyFileInTheFolder)
{
    std::string dir = make_dir("d");
    umask(077);
    ustring first, second;
    ASSERT_EQ(FSMktemp(dir.c_str(), first), 0);
    ASSERT_EQ(FSMktemp(dir.c_str(), second), 0);
    EXPECT_NE(first, second);
    for (const ustring &p : {first, second}) {
        std::string s = p.c_str();
        SCOPED_TRACE(s);
        ASSERT_EQ(s.size(), dir.size() + 7);
        EXPECT_EQ(s.substr(0, dir.size() + 1), dir + "/");
        struct stat st = lstat_of(s);
        EXPECT_TRUE(S_ISREG(st.st_mode));
        EXPECT_EQ(st.st_size, 0);
        EXPECT_EQ(st.st_mode & 07777, 0644u);
    }
}

TEST_F(TempTest, MktempInAMissingFolderFails)
{
    ustring out = "unchanged";
    EXPECT_EQ(FSMktemp(path("missing").c_str(), out), -1);
    EXPECT_EQ(out, ustring("unchanged"));
    expect_logged("[ERROR]", "mkstemp(" + path("missing") + "/XXXXXX): No such file or directory");
}

TEST_F(TempTest, MktempRefusesAPatternItWouldHaveToCut)
{
    // Folders up to nearly the size of the pattern buffer, then a prefix whose
    // cut would still end in six X: the file must not appear beside it.
    std::string base = tmp.path();
    ASSERT_LT(base.size(), 3000u);
    while (base.size() < 3900) {
        base += "/" + std::string(std::min<size_t>(200, 3900 - base.size()), 'd');
        ASSERT_EQ(mkdir(base.c_str(), 0755), 0) << strerror(errno);
    }
    std::string prefix = base + "/" + std::string(4096 - base.size(), 'X');
    ustring out;
    EXPECT_EQ(FSMktemp(prefix.c_str(), out), -1);
    EXPECT_TRUE(out.empty());
    int entries = 0;
    DIR *dp = opendir(base.c_str());
    ASSERT_NE(dp, nullptr);
    while (struct dirent *de = readdir(dp))
        entries += std::string(de->d_name) != "." && std::string(de->d_name) != "..";
    closedir(dp);
    EXPECT_EQ(entries, 0);
    EXPECT_NE(log().find("): mkstemp("), std::string::npos);
    EXPECT_NE(log().find("): File name too long"), std::string::npos) << log();
}

TEST_F(TempTest, CreateTempPathOnlyNamesAPath)
{
    std::string dir = make_dir("d");
    for (const std::string &prefix : {dir, dir + "/", std::string(), path("missing")}) {
        SCOPED_TRACE(prefix);
        ustring out;
        ASSERT_EQ(FSCreateTempPath(prefix.c_str(), out), 0);
        std::string s = out.c_str();
        ASSERT_EQ(s.size(), prefix.size() + 9);
        EXPECT_EQ(s.substr(0, prefix.size() + 1), prefix + "/");
        EXPECT_FALSE(exists(s));
    }
    EXPECT_EQ(rmdir(dir.c_str()), 0) << "nothing was created in the folder";
}

// ---- times, canonical paths, links, owners ---------------------------------------------------

class FileAttrTest : public FileOpTest
{
};

TEST_F(FileAttrTest, UTimeSetsThePathItself)
{
    std::string file = write("file", "x");
    std::string link = make_link("file", "link");
    struct timeval keep[2] = {{111, 0}, {222, 0}};
    ASSERT_EQ(utimes(file.c_str(), keep), 0);

    EXPECT_EQ(FSUTime(link.c_str(), 1000000000, 1100000000), 0);
    struct stat l = lstat_of(link), f = lstat_of(file);
    EXPECT_EQ(l.st_atime, 1000000000);
    EXPECT_EQ(l.st_mtime, 1100000000);
    EXPECT_EQ(f.st_atime, 111) << "the link's target is untouched";
    EXPECT_EQ(f.st_mtime, 222);

    EXPECT_EQ(FSUTime(file.c_str(), 5, 6), 0);
    EXPECT_EQ(lstat_of(file).st_mtime, 6);
    EXPECT_EQ(FSUTime(path("missing").c_str(), 5, 6), -1);
    EXPECT_EQ(log(), "");
}

TEST_F(FileAttrTest, RealPathResolvesLinksAndDots)
{
    make_dir("real");
    write("real/file", "");
    make_link("real", "alias");
    char expect[PATH_MAX];
    ASSERT_NE(realpath(path("real/file").c_str(), expect), nullptr);

    ustring p = path("alias/../alias/./file").c_str();
    const std::string given = p.c_str();
    EXPECT_EQ(FSGetRealPath(p), 0);
    EXPECT_EQ(p, ustring(expect));
    expect_logged("[DEBUG]", " org path [" + given + "]");
    expect_logged("[DEBUG]", " get full path [" + std::string(expect) + "]");

    ustring missing = path("alias/none").c_str();
    EXPECT_EQ(FSGetRealPath(missing), -1);
    EXPECT_EQ(missing, ustring(path("alias/none").c_str()));
    expect_logged("[DEBUG]", " org path [" + path("alias/none") + "]");
    expect_logged("[DEBUG]", " get full path [" + std::string(expect) + "]");
}

TEST_F(FileAttrTest, SymbolicLinksAreCreatedAndRead)
{
    // Link texts are taken as they are: relative, dangling, long.
    const std::string texts[] = {"../x", "/no/such/target", std::string(4000, 'l')};
    int n = 0;
    for (const std::string &text : texts) {
        SCOPED_TRACE(text.substr(0, 20));
        std::string link = path("link" + std::to_string(n++));
        ASSERT_EQ(FSCreateSymbolicLink(text.c_str(), link.c_str()), 0);
        EXPECT_EQ(link_text(link), text);
        ustring read_back = "old";
        ASSERT_EQ(FSReadSymbolicLink(link.c_str(), read_back), 0);
        EXPECT_EQ(std::string(read_back.c_str()), text);
    }

    EXPECT_EQ(FSCreateSymbolicLink("elsewhere", path("link0").c_str()), -1);
    expect_logged("[ERROR]",
                  "FSCreateSymbolicLink: Failed to create symbolic link 'elsewhere' -> '" +
                      path("link0") + "' (code: 17, msg: File exists)");
    EXPECT_EQ(link_text(path("link0")), "../x");
}

TEST_F(FileAttrTest, ReadingWhatIsNotALinkFails)
{
    std::string file = write("file", "x");
    ustring out = "unchanged";
    EXPECT_EQ(FSReadSymbolicLink(file.c_str(), out), -1);
    EXPECT_EQ(out, ustring("unchanged"));
    expect_logged("[ERROR]", "FSReadSymbolicLink: Failed to read symbolic link '" + file +
                                 "' (code: 22, msg: Invalid argument)");
    EXPECT_EQ(FSReadSymbolicLink(path("missing").c_str(), out), -1);
    expect_logged("[ERROR]", "FSReadSymbolicLink: Failed to read symbolic link '" +
                                 path("missing") + "' (code: 2, msg: No such file or directory)");
}

TEST_F(FileAttrTest, ChownChangesTheLinkNotItsTarget)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "changing an owner to another user needs root";
    std::string file = write("file", "x");
    std::string link = make_link("file", "link");
    EXPECT_EQ(FSChown(link.c_str(), 65534, 65534), 0);
    EXPECT_EQ(lstat_of(link).st_uid, 65534u);
    EXPECT_EQ(lstat_of(link).st_gid, 65534u);
    EXPECT_EQ(lstat_of(file).st_uid, 0u);

    {
        // A relative path is taken from the current directory.
        ScopedCwd cwd(tmp.path());
        EXPECT_EQ(FSChown("file", 65534, 0), 0);
    }
    EXPECT_EQ(lstat_of(file).st_uid, 65534u);
    EXPECT_EQ(lstat_of(file).st_gid, 0u);

    EXPECT_EQ(FSChown(path("missing").c_str(), 0, 0), -1);
    expect_logged("[ERROR]", "FSChown: Failed to chown '" + path("missing") +
                                 "' (code: 2, msg: No such file or directory)");
}

TEST_F(FileAttrTest, ChownWithoutThePrivilegeFails)
{
    open_to_nobody();
    std::string file = path("mine");
    int r = run_unprivileged([&]() {
        std::ofstream(file) << "x";
        if (!exists(file))
            return kChildCannot;
        return FSChown(file.c_str(), 0, 0) == -1 ? 0 : 1;
    });
    if (r == kChildCannot)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(r, 0);
    expect_logged("[ERROR]", "FSChown: Failed to chown '" + file +
                                 "' (code: 1, msg: Operation not permitted)");
}

// ---- access and file-system tests ------------------------------------------------------------

class AccessTest : public FileOpTest
{
};

TEST_F(AccessTest, LockedOnlyWhenAccessIsRefused)
{
    open_to_nobody();
    std::string secret = write("secret", "x");
    std::string open_file = write("open", "x");
    // Refused to everyone but root, owner or not.
    ASSERT_EQ(chmod(secret.c_str(), 0200), 0);
    ASSERT_EQ(chmod(open_file.c_str(), 0444), 0);
    std::string missing = path("missing");

    // Bits: 1 secret locked for reading, 2 open file locked for reading,
    // 4 open file locked for writing, 8 missing path locked; 16 and up: the
    // negation disagrees.
    int r = run_unprivileged([&]() {
        int bits = 0;
        bits |= isFileLocked(secret.c_str(), R_OK) ? 1 : 0;
        bits |= isFileLocked(open_file.c_str(), R_OK) ? 2 : 0;
        bits |= isFileLocked(open_file.c_str(), W_OK) ? 4 : 0;
        bits |= isFileLocked(missing.c_str(), F_OK) ? 8 : 0;
        for (const std::string &p : {secret, open_file, missing})
            for (int flag : {R_OK, W_OK, F_OK})
                if (hasFilePermission(p.c_str(), flag) == isFileLocked(p.c_str(), flag))
                    bits |= 16;
        return bits;
    });
    if (r == kChildCannot)
        GTEST_SKIP() << "cannot run as an unprivileged user here";
    EXPECT_EQ(r, 1 | 4);
    EXPECT_FALSE(isFileLocked(missing.c_str(), R_OK));
    EXPECT_TRUE(hasFilePermission(missing.c_str(), R_OK));
    EXPECT_EQ(log(), "");
}

TEST_F(AccessTest, LocalFileSystemIsNeitherNetworkNorFat)
{
    for (const std::string &p : {tmp.path(), std::string("/dev/shm")}) {
        SCOPED_TRACE(p);
        EXPECT_FALSE(isMountPoint(p.c_str()));
        EXPECT_FALSE(IsMSDOS(p.c_str()));
    }
    EXPECT_EQ(log(), "");

    std::string missing = path("missing");
    EXPECT_FALSE(isMountPoint(missing.c_str()));
    EXPECT_FALSE(IsMSDOS(missing.c_str()));
    expect_logged("[ERROR]", "isMountPoint: Failed to get file system info '" + missing +
                                 "'. No such file or directory");
    expect_logged("[ERROR]", "IsSupportLargeFile: Failed to get file system info '" + missing +
                                 "'. No such file or directory");
}

} // namespace
