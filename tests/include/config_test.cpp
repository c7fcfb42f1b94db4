#include "config.h"

#include "temp_dir.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class ConfigTest : public ::testing::Test
{
protected:
    ustring write(const std::string &content, const char *name = "file")
    {
        return ustring(tmp.write(name, content));
    }

    TempDir tmp;
    const std::string &dir = tmp.path();
};

typedef std::map<std::string, std::string> Pairs;

Pairs pairs_of(const Config &c)
{
    Pairs p;
    for (Config::Store::const_iterator it = c.begin(); it != c.end(); ++it)
        p[it->first.c_str()] = it->second.c_str();
    return p;
}

struct GrammarCase {
    const char *name;
    std::string content;
    int result;
    Pairs want;
};

class ConfigGrammar : public ConfigTest, public ::testing::WithParamInterface<GrammarCase>
{
};

TEST_P(ConfigGrammar, ReadsWhatTheGrammarAllows)
{
    const GrammarCase &c = GetParam();
    Config conf;
    EXPECT_EQ(conf.read(write(c.content)), c.result);
    EXPECT_EQ(pairs_of(conf), c.want);
}

const GrammarCase kGrammar[] = {
    {"plain", "pid=1234\n", 0, {{"pid", "1234"}}},
    {"blanks_and_comment", "pid = 1234   # started\n", 0, {{"pid", "1234"}}},
    {"hash_inside_unquoted_value", "pid=1234#x\n", 0, {{"pid", "1234#x"}}},
    {"double_quoted_with_space", "name=\"a b\"\n", 0, {{"name", "a b"}}},
    {"single_quoted_holds_double", "q='say \"hi\"'\n", 0, {{"q", "say \"hi\""}}},
    {"comment_right_after_quote", "k=\"v\"#c\n", 0, {{"k", "v"}}},
    {"empty_quoted", "k=\"\"\n", 0, {{"k", ""}}},
    {"second_word_invalid", "pid=12 34\n", -1, {}},
    {"ends_after_equals", "pid=\n", -1, {}},
    {"ends_after_equals_eof", "pid=", -1, {}},
    {"key_then_hash_is_comment", "pid#1234\n", 0, {}},
    {"only_key_then_newline", "pid\n", -1, {}},
    {"only_key_last_line_no_newline", "a=1\npid", 0, {{"a", "1"}}},
    {"section_line", "[Version]\nbuild=1\n", -1, {}},
    {"last_value_wins", "k=1\nk=2\n", 0, {{"k", "2"}}},
    {"empty_key", "=value\n", 0, {{"", "value"}}},
    {"case_matters", "Key=1\nkey=2\n", 0, {{"Key", "1"}, {"key", "2"}}},
    {"blank_and_comment_lines", "\n   \n# note\n\t# x\n", 0, {}},
    {"empty_file", "", 0, {}},
    {"last_line_without_newline", "a=1\nb=2", 0, {{"a", "1"}, {"b", "2"}}},
    {"crlf_line_end", "a=1\r\n", 0, {{"a", "1"}}},
    {"unterminated_quote", "k=\"abc\n", -1, {}},
    {"control_byte_in_quotes", std::string("k=\"a\x01" "b\"\n"), -1, {}},
    {"control_byte_after_value", std::string("k=a\x7f\n"), -1, {}},
    {"utf8_value", "name=h\xc3\xa9llo\n", 0, {{"name", "h\xc3\xa9llo"}}},
    {"invalid_line_drops_earlier_pairs", "a=1\nb=2\nbad line\n", -1, {}},
    {"garbage_after_quote", "k=\"v\"x\n", -1, {}},
    {"key_chars", "a.b-c_D9=x\n", 0, {{"a.b-c_D9", "x"}}},
    {"bad_key_char", "a/b=x\n", -1, {}},
    {"nul_byte_is_binary", std::string("pid=12\0zz\n", 10), -1, {}},
};

INSTANTIATE_TEST_SUITE_P(Lines, ConfigGrammar, ::testing::ValuesIn(kGrammar),
                         [](const ::testing::TestParamInfo<GrammarCase> &i) {
                             return std::string(i.param.name);
                         });

TEST_F(ConfigTest, FailuresToOpen)
{
    Config conf;
    EXPECT_EQ(conf.read(ustring("")), -1);
    EXPECT_EQ(conf.read(ustring((dir + "/missing").c_str())), -1);
    EXPECT_EQ(conf.read(ustring(dir.c_str())), -1) << "a folder is no key-value file";
}

TEST_F(ConfigTest, ReadAddsToWhatIsHeldAndInvalidEmptiesAll)
{
    Config conf;
    ASSERT_EQ(conf.read(write("a=1\n", "one")), 0);
    ASSERT_EQ(conf.read(write("b=2\n", "two")), 0);
    EXPECT_EQ(pairs_of(conf), (Pairs{{"a", "1"}, {"b", "2"}}));
    EXPECT_EQ(conf.read(write("c\n", "three")), -1);
    EXPECT_TRUE(pairs_of(conf).empty());
}

TEST_F(ConfigTest, IndexInsertsEmptyValue)
{
    Config conf;
    ASSERT_EQ(conf.read(write("pid=12 34\n")), -1);
    EXPECT_STREQ(conf["pid"].c_str(), "");
    EXPECT_EQ(pairs_of(conf), (Pairs{{"pid", ""}}));
    conf["x"] = "y";
    EXPECT_STREQ(conf["x"].c_str(), "y");
}

TEST_F(ConfigTest, LongLinesAreReadInPieces)
{
    // 8191 bytes fill the first piece; the rest is parsed as a line of its own.
    std::string value(8191 - 2, 'v');
    Config ok;
    EXPECT_EQ(ok.read(write("k=" + value + "b=2\n")), 0);
    EXPECT_EQ(ok["k"].length(), value.size());
    EXPECT_STREQ(ok["b"].c_str(), "2");

    Config bad;
    EXPECT_EQ(bad.read(write("k=" + value + "tail\n")), -1)
        << "a piece without '=' after its key makes the file invalid";

    std::string huge(1 << 20, 'x');
    Config binary;
    EXPECT_EQ(binary.read(write(huge + "\n")), -1);
}

TEST_F(ConfigTest, RandomBytesNeverCrash)
{
    std::string bytes;
    unsigned seed = 12345;
    for (int i = 0; i < 200000; ++i) {
        seed = seed * 1103515245u + 12345u;
        bytes.push_back(static_cast<char>(seed >> 16));
    }
    Config conf;
    EXPECT_EQ(conf.read(write(bytes)), -1);
    EXPECT_TRUE(pairs_of(conf).empty());
}

} // namespace
