#include "extractor.h"

#include "adapter.h"
#include "log.h"
#include "texts/strtab.h"
#include "package_builder.h"
#include "qt_print.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <QObject>

#include <fcntl.h>
#include <regex>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

typedef std::vector<ArchiveEntry> Entries;

class ExtractorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StrTable::InitStrTable();
        std::string levels = tmp.write("levels", "extractor_debug=7\n");
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, tmp.path("extract.log").c_str(),
                                     levels.c_str(), 50),
                  0);
        ASSERT_EQ(mkdir(target().c_str(), 0755), 0);
        progress_conn = QObject::connect(&Notify_Adapter::GetInstance(),
                                         &Notify_Adapter::sigUpdateProgress,
                                         [this](int total, int step) {
                                             progress.emplace_back(total, step);
                                         });
        label_conn = QObject::connect(&Notify_Adapter::GetInstance(),
                                      &Notify_Adapter::sigUpdateDialogText,
                                      [this](QString text) { labels.push_back(text); });
    }

    void TearDown() override
    {
        QObject::disconnect(progress_conn);
        QObject::disconnect(label_conn);
        Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
    }

    std::string target() const { return tmp.path("app"); }
    std::string archive() const { return tmp.path("orvanta.ovp"); }
    std::string log_text() const { return read_file(tmp.path("extract.log")); }

    int extract(const Entries &entries, ArchiveFormat format = ArchiveFormat::Tar)
    {
        std::string err = write_archive(archive(), format, entries);
        EXPECT_EQ(err, "");
        return extract_file(archive());
    }

    int extract_file(const std::string &path)
    {
        Extractor ex;
        ex.SetSource(path.c_str());
        ex.SetTarget(target().c_str());
        return ex.Extract();
    }

    // True when the log holds a line with the message's text after the line number.
    bool logged(const std::string &text_after_line) const
    {
        return log_text().find("): " + text_after_line) != std::string::npos;
    }

    TempDir tmp{"extractor_test"};
    std::vector<std::pair<int, int>> progress;
    std::vector<QString> labels;
    QMetaObject::Connection progress_conn, label_conn;
};

class ExtractorFormats : public ExtractorTest, public ::testing::WithParamInterface<ArchiveFormat>
{
};

TEST_P(ExtractorFormats, ClientTreeRoundTrip)
{
    Entries tree = client_tree("124");
    ASSERT_EQ(extract(tree, GetParam()), 0) << log_text();

    TempDir want_dir("extractor_want");
    materialize(want_dir.path("t"), tree);
    EXPECT_EQ(diff_snapshots(snapshot(want_dir.path("t")), snapshot(target())), "");

    ASSERT_EQ(progress.size(), tree.size());
    for (size_t i = 0; i < progress.size(); ++i) {
        EXPECT_EQ(progress[i].first, static_cast<int>(tree.size()));
        EXPECT_EQ(progress[i].second, static_cast<int>(i + 1));
    }
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0], QString("Orvanta Backup is initializing..."));
    EXPECT_TRUE(std::regex_search(
        log_text(), std::regex("\\[DEBUG\\] extractor\\([0-9]+\\): decompress from '" +
                               archive() + "' to '" + target() + "'\n")));
}

INSTANTIATE_TEST_SUITE_P(All, ExtractorFormats, ::testing::ValuesIn(all_formats()),
                         [](const ::testing::TestParamInfo<ArchiveFormat> &i) {
                             return std::string(format_name(i.param));
                         });

TEST_F(ExtractorTest, ThreeEntriesReportThreeSteps)
{
    Entries e = {ArchiveEntry::file("a", "1"), ArchiveEntry::file("b", "2"),
                 ArchiveEntry::file("c", "3")};
    ASSERT_EQ(extract(e), 0);
    std::vector<std::pair<int, int>> want = {{3, 1}, {3, 2}, {3, 3}};
    EXPECT_EQ(progress, want);
}

TEST_F(ExtractorTest, EmptyArchiveFailsAndWritesNothing)
{
    for (ArchiveFormat f : {ArchiveFormat::Tar, ArchiveFormat::TarGz, ArchiveFormat::Zip}) {
        SCOPED_TRACE(format_name(f));
        EXPECT_EQ(extract({}, f), -1);
        EXPECT_TRUE(logged("Failed to calculate total file numbers, ret: 0\n")) << log_text();
        EXPECT_TRUE(snapshot(target()).empty());
        EXPECT_TRUE(progress.empty());
    }
}

TEST_F(ExtractorTest, MissingArchiveIsReportedByTheCount)
{
    EXPECT_EQ(extract_file(tmp.path("missing.ovp")), -1);
    std::string text = log_text();
    size_t open_failed = text.find("): archive_read_open_filename failed: '");
    size_t count_failed = text.find("): Failed to calculate total file numbers, ret: -1\n");
    ASSERT_NE(open_failed, std::string::npos) << text;
    ASSERT_NE(count_failed, std::string::npos) << text;
    EXPECT_LT(open_failed, count_failed);
    EXPECT_EQ(text.find("Failed to read file"), std::string::npos);
}

TEST_F(ExtractorTest, EmptyArgumentsFailEverywhere)
{
    Extractor none;
    EXPECT_EQ(none.Count(), -1);
    EXPECT_EQ(none.List(), -1);
    EXPECT_EQ(none.Extract(), -1);
    Extractor no_target;
    no_target.SetSource(archive().c_str());
    EXPECT_EQ(no_target.Count(), -1) << "counting needs the target too";
    EXPECT_TRUE(logged("Invalid argument\n"));
    EXPECT_TRUE(logged("Invalid Argument\n"));
    EXPECT_TRUE(labels.empty()) << "nothing is announced before the arguments are checked";
}

TEST_F(ExtractorTest, DotDotEntryStopsAndNothingEscapes)
{
    Entries e = {ArchiveEntry::file("one", "1"), ArchiveEntry::file("two", "2"),
                 ArchiveEntry::file("../escaped", "bad"), ArchiveEntry::file("four", "4")};
    EXPECT_EQ(extract(e), -1);
    EXPECT_TRUE(logged("archive_read_extract2 failed: '")) << log_text();
    EXPECT_TRUE(path_exists(target() + "/one"));
    EXPECT_TRUE(path_exists(target() + "/two"));
    EXPECT_FALSE(path_exists(tmp.path("escaped")));
    EXPECT_FALSE(path_exists(target() + "/four"));
    EXPECT_EQ(progress.size(), 2u);
}

TEST_F(ExtractorTest, AbsoluteEntryLandsBelowTarget)
{
    Entries e = {ArchiveEntry::file("/etc/orvanta-extractor-test", "inside")};
    ASSERT_EQ(extract(e), 0) << log_text();
    EXPECT_EQ(read_file(target() + "/etc/orvanta-extractor-test"), "inside");
    EXPECT_FALSE(path_exists("/etc/orvanta-extractor-test"));
}

TEST_F(ExtractorTest, HardLinksAreReRootedBelowTarget)
{
    // A decoy of the same name in the current folder: a link resolved against
    // the current folder would point at it.
    TempDir cwd("extractor_cwd");
    ASSERT_EQ(mkdir(cwd.path("data").c_str(), 0755), 0);
    cwd.write("data/lib.so", "decoy");
    char old_cwd[4096];
    ASSERT_NE(getcwd(old_cwd, sizeof old_cwd), nullptr);
    ASSERT_EQ(chdir(cwd.path().c_str()), 0);
    Entries e = {ArchiveEntry::dir("data"), ArchiveEntry::file("data/lib.so", "real library"),
                 ArchiveEntry::hardlink("data/lib-link.so", "data/lib.so")};
    int r = extract(e);
    ASSERT_EQ(chdir(old_cwd), 0);
    ASSERT_EQ(r, 0) << log_text();
    EXPECT_EQ(read_file(target() + "/data/lib-link.so"), "real library");
    struct stat a, b;
    ASSERT_EQ(stat((target() + "/data/lib.so").c_str(), &a), 0);
    ASSERT_EQ(stat((target() + "/data/lib-link.so").c_str(), &b), 0);
    EXPECT_EQ(a.st_ino, b.st_ino);
    EXPECT_EQ(read_file(cwd.path("data/lib.so")), "decoy");
}

TEST_F(ExtractorTest, HardLinkTargetsOutsideAreRefused)
{
    TempDir outside("extractor_outside");
    std::string secret = outside.write("secret", "secret");
    std::string beside = tmp.write("a", "beside the target");
    const struct {
        const char *name;
        Entries entries;
    } cases[] = {
        {"dotdot", {ArchiveEntry::file("a", "a"), ArchiveEntry::hardlink("b", "../a")}},
        {"absolute",
         {ArchiveEntry::file("a", "a"), ArchiveEntry::hardlink("b", secret)}},
        {"through_symlink",
         {ArchiveEntry::symlink("out", outside.path()), ArchiveEntry::hardlink("b", "out/secret")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(extract(c.entries), -1) << log_text();
        struct stat st;
        ASSERT_EQ(stat(secret.c_str(), &st), 0);
        EXPECT_EQ(st.st_nlink, 1u) << "no link to a file outside the target";
        ASSERT_EQ(stat(beside.c_str(), &st), 0);
        EXPECT_EQ(st.st_nlink, 1u) << "no link to the file beside the target";
        EXPECT_FALSE(path_exists(target() + "/b"));
    }
}

TEST_F(ExtractorTest, SymlinksStayLinksAndInternalFolderLinksWork)
{
    Entries e = {ArchiveEntry::dir("real"), ArchiveEntry::symlink("alias", "real"),
                 ArchiveEntry::file("alias/through", "via link"),
                 ArchiveEntry::symlink("dangling", "does/not/exist"),
                 ArchiveEntry::symlink("abs", "/usr/lib")};
    ASSERT_EQ(extract(e), 0) << log_text();
    EXPECT_EQ(read_file(target() + "/real/through"), "via link");
    std::map<std::string, std::string> got = snapshot(target());
    EXPECT_EQ(got["alias"], "link -> real");
    EXPECT_EQ(got["dangling"], "link -> does/not/exist");
    EXPECT_EQ(got["abs"], "link -> /usr/lib");
}

TEST_F(ExtractorTest, NothingIsWrittenThroughALinkLeadingOutside)
{
    TempDir outside("extractor_outside");
    const struct {
        const char *name;
        std::string link;
        ArchiveEntry::Kind kind;
    } cases[] = {
        {"absolute_link_file", outside.path(), ArchiveEntry::File},
        {"relative_link_file", "../../" + outside.path().substr(outside.path().rfind('/') + 1),
         ArchiveEntry::File},
        {"absolute_link_dir", outside.path(), ArchiveEntry::Dir},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(system(("rm -rf '" + target() + "' && mkdir '" + target() + "'").c_str()), 0);
        // The relative link climbs from target() to the folder holding both.
        std::string rel_base = tmp.path().substr(0, tmp.path().rfind('/'));
        bool relative = c.link.rfind("../", 0) == 0;
        if (relative && rel_base != outside.path().substr(0, outside.path().rfind('/')))
            GTEST_SKIP() << "temporary folders are not siblings";
        ArchiveEntry inner = c.kind == ArchiveEntry::File ? ArchiveEntry::file("out/x", "bad")
                                                          : ArchiveEntry::dir("out");
        EXPECT_EQ(extract({ArchiveEntry::symlink("out", c.link), inner}), -1) << log_text();
        EXPECT_TRUE(logged("'out")) << log_text();
        EXPECT_FALSE(path_exists(outside.path("x")));
    }
}

TEST_F(ExtractorTest, DamagedArchivesStopWithAMessage)
{
    Entries tree;
    for (int i = 0; i < 20; ++i)
        tree.push_back(ArchiveEntry::file("f" + std::to_string(i), std::string(4000, 'a' + i % 26)));
    for (ArchiveFormat f : {ArchiveFormat::Tar, ArchiveFormat::TarGz, ArchiveFormat::TarZst}) {
        SCOPED_TRACE(format_name(f));
        ASSERT_EQ(write_archive(archive(), f, tree), "");
        std::string bytes = read_file(archive());
        std::string cut = tmp.write("cut.ovp", bytes.substr(0, bytes.size() / 2));
        EXPECT_EQ(extract_file(cut), -1);
        std::string text = log_text();
        EXPECT_TRUE(text.find("archive_read_next_header failed") != std::string::npos ||
                    text.find("archive_read_extract2 failed") != std::string::npos)
            << text;
    }
    std::string noise;
    unsigned seed = 7;
    for (int i = 0; i < 100000; ++i) {
        seed = seed * 1103515245u + 12345u;
        noise.push_back(static_cast<char>(seed >> 16));
    }
    EXPECT_EQ(extract_file(tmp.write("noise.ovp", noise)), -1);
    EXPECT_EQ(extract_file(tmp.write("empty.ovp", "")), -1);
}

TEST_F(ExtractorTest, FileInTheWayIsReplaced)
{
    std::string old = target() + "/bin";
    ASSERT_EQ(mkdir(old.c_str(), 0755), 0);
    tmp.write("app/bin/tool", "old");
    chmod((old + "/tool").c_str(), 0444);
    ASSERT_EQ(extract({ArchiveEntry::file("bin/tool", "new", 0755)}), 0) << log_text();
    EXPECT_EQ(read_file(old + "/tool"), "new");
}

TEST_F(ExtractorTest, ListWritesEveryPath)
{
    ASSERT_EQ(write_archive(archive(), ArchiveFormat::TarGz,
                            {ArchiveEntry::dir("d"), ArchiveEntry::file("d/f", "x")}),
              "");
    std::string out_path = tmp.path("list.out");
    fflush(stdout);
    int saved = dup(1);
    int fd = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    dup2(fd, 1);
    Extractor ex;
    ex.SetSource(archive().c_str());
    ex.SetTarget(target().c_str());
    int r = ex.List();
    fflush(stdout);
    dup2(saved, 1);
    close(saved);
    close(fd);
    EXPECT_EQ(r, 0);
    EXPECT_EQ(read_file(out_path), "d/\nd/f\n");
    EXPECT_EQ(ex.Count(), 2);
}

} // namespace
