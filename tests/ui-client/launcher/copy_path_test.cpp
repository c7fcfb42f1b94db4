// Service::FSCopyPath: a file or a whole folder tree copied, with its messages.

#include "linux/linux-service.h"
#include "log.h"
#include "package_builder.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>
#include <sys/stat.h>

namespace
{

class CopyingService : public LinuxService
{
public:
    int Copy(const std::string &src, const std::string &dst)
    {
        return FSCopyPath(src.c_str(), dst.c_str());
    }
};

class CopyPathTest : public testing::Test
{
protected:
    void SetUp() override
    {
        const std::string levels = tmp.write("levels", "service_debug=7\nfile_op_debug=7\n");
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, tmp.path("copy.log").c_str(),
                                     levels.c_str(), 50),
                  0);
    }
    void TearDown() override { Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50); }

    bool logged(const std::string &text_after_line) const
    {
        return read_file(tmp.path("copy.log")).find("): " + text_after_line) != std::string::npos;
    }

    TempDir tmp{"copy_path_test"};
    CopyingService service;
};

TEST_F(CopyPathTest, SingleFile)
{
    const std::string src = tmp.write("one.txt", "one file");
    EXPECT_EQ(service.Copy(src, tmp.path("copy.txt")), 0);
    EXPECT_EQ(read_file(tmp.path("copy.txt")), "one file");
    EXPECT_TRUE(logged("copy from '" + src + "' to '" + tmp.path("copy.txt") + "'\n"));
}

TEST_F(CopyPathTest, MissingSource)
{
    EXPECT_EQ(service.Copy(tmp.path("missing"), tmp.path("dst")), -1);
    EXPECT_TRUE(logged("FSCopyPath: source path '" + tmp.path("missing") + "' does not exist\n"));
}

TEST_F(CopyPathTest, FolderTreeIsCopiedWholly)
{
    materialize(tmp.path("src"), {ArchiveEntry::dir("a"), ArchiveEntry::file("a/x", "x"),
                                  ArchiveEntry::dir("a/b"), ArchiveEntry::file("a/b/y", "y"),
                                  ArchiveEntry::dir("empty"), ArchiveEntry::file("top", "t")});
    ASSERT_EQ(service.Copy(tmp.path("src"), tmp.path("dst")), 0);
    // Bytes only: the copies have no execute bits to compare, folders are folders.
    EXPECT_EQ(diff_snapshots(snapshot(tmp.path("src")), snapshot(tmp.path("dst"))), "");
}

TEST_F(CopyPathTest, LinkToAFolderIsNotFollowed)
{
    materialize(tmp.path("src"), {ArchiveEntry::dir("real"), ArchiveEntry::file("real/f", "f"),
                                  ArchiveEntry::symlink("alias", "real")});
    EXPECT_EQ(service.Copy(tmp.path("src"), tmp.path("dst")), -1)
        << "a link to a folder is handed to the file copy, which refuses a folder";
    EXPECT_TRUE(logged("FSCopyPath: failed to copy from '" + tmp.path("src/alias") + "' to '" +
                       tmp.path("dst/alias") + "'\n"));
}

} // namespace
