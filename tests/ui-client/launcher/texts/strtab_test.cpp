#include "strtab.h"
#include "qt_print.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>
#include <QTranslator>

#include <climits>
#include <iterator>
#include <map>
#include <memory>
#include <set>
#include <utility>
#include <vector>

namespace {

struct EnumName {
    StrTable::StringID id;
    const char *name;
};

const EnumName enum_names[] = {
#include "strtab_enum_names.inc"
};

class StrTableTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { StrTable::InitStrTable(); }
};

// The English text of every row: nothing is installed while these tests run.
std::vector<QString> english_rows()
{
    std::vector<QString> rows;
    for (unsigned int i = 0; i < StrTable::NUM_STRING_IDS; ++i)
        rows.push_back(StrTable::LoadStr(static_cast<int>(i)));
    return rows;
}

TEST_F(StrTableTest, EveryEnumeratorNamesItsRow)
{
    ASSERT_EQ(std::size(enum_names), StrTable::NUM_STRING_IDS);
    for (size_t i = 0; i < std::size(enum_names); ++i) {
        SCOPED_TRACE(enum_names[i].name);
        EXPECT_EQ(static_cast<size_t>(enum_names[i].id), i);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(enum_names[i].name)),
                  static_cast<int>(i));
    }
}

TEST_F(StrTableTest, KeysAreFoundIgnoringCaseAndAreUniqueThatWay)
{
    // Looking up each key in capitals must give its own row, not an earlier one.
    for (size_t i = 0; i < std::size(enum_names); ++i) {
        SCOPED_TRACE(enum_names[i].name);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(enum_names[i].name).toUpper()),
                  static_cast<int>(i));
    }
    EXPECT_EQ(StrTable::LookupStrID(QStringLiteral("App_Name")), StrTable::app_name);
}

TEST_F(StrTableTest, LookupOfNoKeyGivesMinusOne)
{
    const char *const misses[] = {"", "app", "app_name_", " app_name", "app_name ", "appname"};
    for (const char *key : misses) {
        SCOPED_TRACE(key);
        EXPECT_EQ(StrTable::LookupStrID(QString::fromLatin1(key)), -1);
    }
}

TEST_F(StrTableTest, TextsTheLauncherShows)
{
    const std::pair<int, const char *> known[] = {
        {3, "Orvanta Backup"},
        {45, "Orvanta Backup is initializing..."},
        {161, "Orvanta Backup is ready."},
        {13, "Proxy"},
        {124, "Proxy"},
        {22, "OK"},
        {115, "OK"},
        {143, "Processing %1 file(s)..."},
        {152, "%1 / %2"},
        {162, "Cancel"},
    };
    for (const auto &k : known) {
        SCOPED_TRACE(k.first);
        EXPECT_EQ(StrTable::LoadStr(k.first), QString::fromLatin1(k.second));
    }
    EXPECT_EQ(StrTable::app_name, 3);
    EXPECT_EQ(StrTable::desc_orvt_env_preparing, 45);
    EXPECT_EQ(StrTable::desc_orvt_env_preparation_done, 161);
}

TEST_F(StrTableTest, TextsArePlainAsciiWithoutEscapes)
{
    const std::vector<QString> rows = english_rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_FALSE(rows[i].isEmpty());
        for (QChar c : rows[i])
            EXPECT_TRUE(c.unicode() >= 0x20 && c.unicode() < 0x7f && c != QLatin1Char('\\'))
                << "character " << c.unicode();
    }
}

TEST_F(StrTableTest, PlaceholdersOnlyWhereCallersFillThem)
{
    const std::map<size_t, QStringList> want = {
        {1, {"%1"}},   {36, {"%1"}},        {37, {"%1"}},  {64, {"%1"}},  {131, {"%1"}},
        {143, {"%1"}}, {152, {"%1", "%2"}}, {154, {"%1"}}, {158, {"%1"}},
    };
    const QRegularExpression placeholder(QStringLiteral("%\\d+"));
    const std::vector<QString> rows = english_rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(i);
        QStringList found;
        for (auto it = placeholder.globalMatch(rows[i]); it.hasNext();)
            found << it.next().captured();
        const auto w = want.find(i);
        EXPECT_EQ(found, w == want.end() ? QStringList() : w->second);
        // Any other percent sign would be taken for a placeholder by QString::arg.
        EXPECT_EQ(rows[i].count(QLatin1Char('%')), found.size());
    }
}

TEST_F(StrTableTest, ExactlyTheNinePairsShareATextAnd163AreDistinct)
{
    const std::vector<QString> rows = english_rows();
    std::map<QString, std::vector<size_t>> rows_of;
    for (size_t i = 0; i < rows.size(); ++i)
        rows_of[rows[i]].push_back(i);

    std::set<std::vector<size_t>> shared;
    for (const auto &r : rows_of) {
        if (r.second.size() > 1)
            shared.insert(r.second);
    }
    const std::set<std::vector<size_t>> want = {
        {11, 119}, {13, 124}, {22, 115}, {40, 70}, {44, 69},
        {49, 100}, {67, 159}, {117, 170}, {131, 158},
    };
    EXPECT_EQ(shared, want);
    EXPECT_EQ(rows_of.size(), 163u);
}

TEST_F(StrTableTest, RowOutsideTheTableGivesEmptyText)
{
    for (int id : {-1, static_cast<int>(StrTable::NUM_STRING_IDS), 100000, INT_MIN, INT_MAX}) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(StrTable::LoadStr(id).isEmpty());
    }
}

// With a catalogue installed, LoadStr goes through it by English text in the context
// "global" and turns the catalogue's escapes into control characters.
class StrTableTranslated : public StrTableTest
{
protected:
    static void SetUpTestSuite()
    {
        StrTableTest::SetUpTestSuite();
        app = std::make_unique<QCoreApplication>(argc, argv);
        translator = std::make_unique<QTranslator>();
        ASSERT_TRUE(translator->load(QStringLiteral(FIXTURE_QM)));
        ASSERT_TRUE(QCoreApplication::installTranslator(translator.get()));
    }
    static void TearDownTestSuite()
    {
        translator.reset();
        app.reset();
    }

    static int argc;
    static char arg0[];
    static char *argv[];
    static std::unique_ptr<QCoreApplication> app;
    static std::unique_ptr<QTranslator> translator;
};

int StrTableTranslated::argc = 1;
char StrTableTranslated::arg0[] = "strtab_test";
char *StrTableTranslated::argv[] = {arg0, nullptr};
std::unique_ptr<QCoreApplication> StrTableTranslated::app;
std::unique_ptr<QTranslator> StrTableTranslated::translator;

TEST_F(StrTableTranslated, EscapesInATranslationBecomeLineBreakAndTab)
{
    // Only lower-case n and t are escapes; backslash-N and backslash-T stay as written.
    EXPECT_EQ(StrTable::LoadStr(StrTable::app_name),
              QStringLiteral("Line one\nLine two\tTabbed \\N \\T"));
}

TEST_F(StrTableTranslated, RowsSharingATextShareItsTranslation)
{
    EXPECT_EQ(StrTable::LoadStr(StrTable::btn_proxy), QStringLiteral("Proxyserver"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::setting_tab_proxy), QStringLiteral("Proxyserver"));
}

TEST_F(StrTableTranslated, OnlyTheGlobalContextCountsAndMissingTextsStayEnglish)
{
    // The fixture translates "Cancel" in another context only.
    EXPECT_EQ(StrTable::LoadStr(StrTable::btn_cancel), QStringLiteral("Cancel"));
    EXPECT_EQ(StrTable::LoadStr(StrTable::btn_ok), QStringLiteral("OK"));
}

} // namespace
