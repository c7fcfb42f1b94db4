// What the extractor does to be fast must not change what it does: it counts
// on a thread of its own while it extracts, yet reports the progress a count
// made first would give; it remembers folders it found to be real, yet never
// writes through a link that replaced one. Runs under ThreadSanitizer: Qt is
// only called on the test's own thread.

#include "extractor.h"

#include "adapter.h"
#include "log.h"
#include "texts/strtab.h"
#include "package_builder.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <QObject>

#include <string>
#include <sys/stat.h>
#include <thread>
#include <vector>

// libarchive's zip reader converts entry times with mktime on both threads;
// glibc guards its time-zone state with an internal lock that ThreadSanitizer
// cannot see. Read only by ThreadSanitizer builds.
extern "C" const char *__tsan_default_suppressions()
{
    return "race:tzset_internal\n";
}

namespace {

typedef std::vector<ArchiveEntry> Entries;

// Enough compressible data that the count is still running when the first
// entries are written.
Entries big_tree(int files)
{
    Entries e = {ArchiveEntry::dir("data")};
    for (int i = 0; i < files; ++i) {
        std::string text;
        for (int k = 0; text.size() < 48 * 1024; ++k)
            text += "line " + std::to_string(i * 7919 + k) + " of the client's resources\n";
        e.push_back(ArchiveEntry::file("data/f" + std::to_string(i), text));
    }
    return e;
}

class ExtractorShortcutsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        StrTable::InitStrTable();
        ASSERT_EQ(Logger::Initialize(Logger::FILE_LOGGER, tmp.path("extract.log").c_str(), "", 50),
                  0);
        ASSERT_EQ(mkdir(target().c_str(), 0755), 0);
        const std::thread::id caller = std::this_thread::get_id();
        progress_conn = QObject::connect(&Notify_Adapter::GetInstance(),
                                         &Notify_Adapter::sigUpdateProgress,
                                         [this, caller](int total, int step) {
                                             events.push_back(std::to_string(total) + "/" +
                                                              std::to_string(step));
                                             on_caller &= std::this_thread::get_id() == caller;
                                         });
        label_conn = QObject::connect(&Notify_Adapter::GetInstance(),
                                      &Notify_Adapter::sigUpdateDialogText,
                                      [this](QString) { events.push_back("label"); });
    }

    void TearDown() override
    {
        QObject::disconnect(progress_conn);
        QObject::disconnect(label_conn);
        Logger::Initialize(Logger::STDERR_LOGGER, "", "", 50);
    }

    std::string target() const { return tmp.path("app"); }

    Extractor extractor(const std::string &archive) const
    {
        Extractor ex;
        ex.SetSource(archive.c_str());
        ex.SetTarget(target().c_str());
        return ex;
    }

    // The label, then total/1 .. total/steps.
    static std::vector<std::string> expected(int total, int steps)
    {
        std::vector<std::string> want = {"label"};
        for (int i = 1; i <= steps; ++i)
            want.push_back(std::to_string(total) + "/" + std::to_string(i));
        return want;
    }

    TempDir tmp{"extractor_shortcuts_test"};
    std::vector<std::string> events;
    bool on_caller = true;
    QMetaObject::Connection progress_conn, label_conn;
};

class CountBesideExtraction : public ExtractorShortcutsTest,
                              public ::testing::WithParamInterface<ArchiveFormat>
{
};

TEST_P(CountBesideExtraction, EveryStepCarriesTheFinalTotalInOrder)
{
    const Entries tree = big_tree(150);
    const std::string archive = tmp.path("orvanta.ovp");
    ASSERT_EQ(write_archive(archive, GetParam(), tree), "");
    Extractor ex = extractor(archive);
    ASSERT_EQ(ex.Extract(), 0) << read_file(tmp.path("extract.log"));

    EXPECT_EQ(events, expected(static_cast<int>(tree.size()), static_cast<int>(tree.size())));
    EXPECT_TRUE(on_caller) << "progress is reported on the thread that extracts";
    TempDir want("extractor_count_want");
    materialize(want.path("t"), tree);
    EXPECT_EQ(diff_snapshots(snapshot(want.path("t")), snapshot(target())), "");
}

INSTANTIATE_TEST_SUITE_P(All, CountBesideExtraction, ::testing::ValuesIn(all_formats()),
                         [](const ::testing::TestParamInfo<ArchiveFormat> &i) {
                             return std::string(format_name(i.param));
                         });

// When the extraction stops early, the steps it owes still come, with the
// total of the whole count: the same calls a count made first would give.
TEST_F(ExtractorShortcutsTest, StepsOwedAtAFailureCarryTheWholeCount)
{
    Entries refused = big_tree(120);
    refused.insert(refused.begin() + 3, ArchiveEntry::file("../escaped", "bad"));
    const std::string refused_archive = tmp.path("refused.ovp");
    ASSERT_EQ(write_archive(refused_archive, ArchiveFormat::TarXz, refused), "");

    ASSERT_EQ(write_archive(tmp.path("whole.ovp"), ArchiveFormat::TarGz, big_tree(120)), "");
    const std::string bytes = read_file(tmp.path("whole.ovp"));
    const std::string cut = tmp.write("cut.ovp", bytes.substr(0, bytes.size() * 3 / 4));

    const struct {
        const char *name;
        std::string archive;
        int min_steps; // entries surely written before the failure
    } cases[] = {
        {"refused_entry", refused_archive, 3},
        {"truncated", cut, 10},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        Extractor ex = extractor(c.archive);
        const int total = ex.Count();
        ASSERT_GT(total, 0);
        EXPECT_EQ(ex.Extract(), -1);
        const int steps = static_cast<int>(events.size()) - 1;
        EXPECT_GE(steps, c.min_steps);
        EXPECT_LE(steps, total);
        EXPECT_EQ(events, expected(total, steps));
        EXPECT_TRUE(on_caller);
    }
}

// The extraction may start before the count ends, but an extractor object can
// be used again at once: nothing of the first count outlives Extract().
TEST_F(ExtractorShortcutsTest, RepeatedExtractionsStartAfresh)
{
    const Entries tree = big_tree(40);
    const std::string archive = tmp.path("orvanta.ovp");
    ASSERT_EQ(write_archive(archive, ArchiveFormat::TarZst, tree), "");
    Extractor ex = extractor(archive);
    for (int run = 0; run < 3; ++run) {
        SCOPED_TRACE(run);
        events.clear();
        ASSERT_EQ(ex.Extract(), 0);
        EXPECT_EQ(events, expected(static_cast<int>(tree.size()), static_cast<int>(tree.size())));
    }
}

// A folder looked at once and remembered as real is later replaced by a link
// that leads outside, by name, through "." or through another link: what
// follows into it must still be refused.
TEST_F(ExtractorShortcutsTest, RememberedFolderReplacedByALinkIsCheckedAgain)
{
    TempDir outside("extractor_shortcuts_outside");
    const struct {
        const char *name;
        Entries entries;
    } cases[] = {
        {"by_name",
         {ArchiveEntry::dir("d"), ArchiveEntry::dir("d"), ArchiveEntry::file("d2", "x"),
          ArchiveEntry::symlink("d", outside.path()), ArchiveEntry::file("d/x", "bad")}},
        {"through_dot",
         {ArchiveEntry::dir("d"), ArchiveEntry::dir("d"),
          ArchiveEntry::symlink("./d", outside.path()), ArchiveEntry::file("d/x", "bad")}},
        {"through_link",
         {ArchiveEntry::dir("real"), ArchiveEntry::symlink("alias", "real"),
          ArchiveEntry::dir("real/sub"), ArchiveEntry::dir("real/sub"),
          ArchiveEntry::symlink("alias/sub", outside.path()),
          ArchiveEntry::file("real/sub/x", "bad")}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(system(("rm -rf '" + target() + "' && mkdir '" + target() + "'").c_str()), 0);
        const std::string archive = tmp.path("orvanta.ovp");
        ASSERT_EQ(write_archive(archive, ArchiveFormat::Tar, c.entries), "");
        Extractor ex = extractor(archive);
        EXPECT_EQ(ex.Extract(), -1);
        EXPECT_NE(read_file(tmp.path("extract.log")).find("leads outside"), std::string::npos)
            << read_file(tmp.path("extract.log"));
        struct stat st;
        EXPECT_NE(lstat(outside.path("x").c_str(), &st), 0) << "written outside the target";
    }
}

} // namespace
