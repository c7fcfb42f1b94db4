#include "ustring/ustring.h"

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <new>
#include <sstream>
#include <stdexcept>
#include <string>

namespace {

typedef ustring::uchar16_t u16;
const size_t npos = ustring::npos;

// Exposes the protected buffer bookkeeping.
class Probe : public ustring
{
public:
    Probe() {}
    Probe(const char *s) : ustring(s) {}
    size_t cap() const { return data_cap; }
    size_t wcap() const { return wdata_cap; }
    size_t wlen() const { return wdata_len; }
};

// Captures what is written to std::cerr while it lives.
class CerrCapture
{
public:
    CerrCapture() : old(std::cerr.rdbuf(buf.rdbuf())) {}
    ~CerrCapture() { std::cerr.rdbuf(old); }
    std::string text() const { return buf.str(); }

private:
    std::ostringstream buf;
    std::streambuf *old;
};

std::u16string u16of(const ustring &s)
{
    return std::u16string(s.c_str_utf16());
}

TEST(UstringBasics, NewStringIsEmptyInBothForms)
{
    Probe s;
    EXPECT_EQ(s.length(), 0u);
    EXPECT_TRUE(s.empty());
    EXPECT_STREQ(s.c_str(), "");
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    EXPECT_EQ(s.cap(), 4u);
}

TEST(UstringBasics, Constructors)
{
    EXPECT_STREQ(ustring("abc").c_str(), "abc");
    EXPECT_STREQ(ustring('x').c_str(), "x");
    EXPECT_STREQ(ustring(std::string("a\0b", 3)).c_str(), "a");
    EXPECT_EQ(ustring(std::string("a\0b", 3)).length(), 1u);
    EXPECT_STREQ(ustring(u"h\u00e9").c_str(), "h\xc3\xa9");
    ustring orig("copy me");
    ustring copy(orig);
    EXPECT_EQ(copy, orig);
    EXPECT_NE(copy.c_str(), orig.c_str());
}

TEST(UstringBasics, NullPointersAreEmptyText)
{
    const char *none = nullptr;
    const u16 *wnone = nullptr;
    EXPECT_TRUE(ustring(none).empty());
    EXPECT_TRUE(ustring(wnone).empty());
    ustring s("ab");
    s.append(none);
    s.append(none, 3);
    s.append(wnone);
    EXPECT_STREQ(s.c_str(), "ab");
    s.assign(none);
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(ustring("abc").find(none), 0u);
}

TEST(UstringCapacity, ExactGrowthAndShrinkBelowHalf)
{
    Probe s;
    s.append("0123456789");
    EXPECT_EQ(s.cap(), 11u);
    s.assign("abcde");
    EXPECT_EQ(s.cap(), 11u) << "6 is not below 11 halved";
    s.assign("a");
    EXPECT_EQ(s.cap(), 2u) << "2 is below 11 halved";
    s.clear();
    EXPECT_EQ(s.cap(), 2u) << "clear keeps the buffer";
    s.append('x', 1);
    EXPECT_EQ(s.cap(), 2u);
    s.append('y', 1);
    EXPECT_EQ(s.cap(), 3u) << "no geometric growth";
}

TEST(UstringCapacity, TrimAndTruncationNeverReallocate)
{
    Probe s("    abcdefgh    ");
    size_t cap = s.cap();
    s.trim(" ");
    EXPECT_EQ(s.cap(), cap);
    s.assign(s.c_str(), 2);
    EXPECT_EQ(s.cap(), cap);
    EXPECT_STREQ(s.c_str(), "ab");
}

TEST(UstringCapacity, OverflowingSizesThrowBadAlloc)
{
    ustring s("ab");
    EXPECT_THROW(s.append('x', npos), std::bad_alloc);
    EXPECT_THROW(s.append(u16('x'), npos), std::bad_alloc);
    EXPECT_STREQ(s.c_str(), "ab");
}

TEST(UstringSelfReference, OwnBufferRules)
{
    ustring s("abc");
    s.append(s.c_str());
    EXPECT_STREQ(s.c_str(), "abcabc");
    s.append(s.c_str(), 2);
    EXPECT_STREQ(s.c_str(), "abcabcab");
    s.append(s.c_str(), 100);
    EXPECT_STREQ(s.c_str(), "abcabcababcabcab");

    ustring t("abcdef");
    t.assign(t.c_str());
    EXPECT_STREQ(t.c_str(), "abcdef");
    t.assign(t.c_str(), 2);
    EXPECT_STREQ(t.c_str(), "ab");
    t.assign(t.c_str(), 10);
    EXPECT_STREQ(t.c_str(), "ab");

    ustring u("xy");
    u += u;
    EXPECT_STREQ(u.c_str(), "xyxy");
    u.assign(u, 1, 2);
    EXPECT_STREQ(u.c_str(), "yx");
    u.append(u, 1, npos);
    EXPECT_STREQ(u.c_str(), "yxx");
}

TEST(UstringSelfReference, PointerInsideOwnBufferIsCopiedFirst)
{
    // Each call grows the buffer past its capacity, so the source would move.
    ustring s("abcd");
    s.append(s.c_str() + 1);
    EXPECT_STREQ(s.c_str(), "abcdbcd");
    s.append(s.c_str() + 5, 1);
    EXPECT_STREQ(s.c_str(), "abcdbcdc");
    s.assign(s.c_str() + 4);
    EXPECT_STREQ(s.c_str(), "bcdc");
    s.assign(s.c_str() + 1, 2);
    EXPECT_STREQ(s.c_str(), "cd");

    ustring w("wxyz");
    const u16 *units = w.c_str_utf16();
    w.append(units + 2);
    EXPECT_STREQ(w.c_str(), "wxyzyz");
    units = w.c_str_utf16();
    w.assign(units + 3, 2);
    EXPECT_STREQ(w.c_str(), "zy");
}

TEST(UstringSelfReference, Utf16OwnBuffer)
{
    ustring s("ab");
    s.append(s.c_str_utf16());
    EXPECT_STREQ(s.c_str(), "abab");
    s.append(s.c_str_utf16(), 1);
    EXPECT_STREQ(s.c_str(), "ababa");
    s.assign(s.c_str_utf16());
    EXPECT_STREQ(s.c_str(), "ababa");
    s.assign(s.c_str_utf16(), 3);
    EXPECT_STREQ(s.c_str(), "aba");
}

TEST(UstringAppend, Overloads)
{
    ustring s;
    s.append("ab").append("cdef", 2).append('-', 3);
    EXPECT_STREQ(s.c_str(), "abcd---");
    s.append(ustring("0123"), 1, 2);
    EXPECT_STREQ(s.c_str(), "abcd---12");
    s.append(std::string("xy\0z", 4), 0, npos);
    EXPECT_STREQ(s.c_str(), "abcd---12xy") << "a standard string ends at its first NUL";
    s.append(u"\u00e9");
    EXPECT_STREQ(s.c_str(), "abcd---12xy\xc3\xa9");
    s.append(u"zzz", 1);
    s.append(u16('!'), 2);
    EXPECT_STREQ(s.c_str(), "abcd---12xy\xc3\xa9z!!");
    EXPECT_EQ(u16of(s), u"abcd---12xy\u00e9z!!");
}

TEST(UstringAppend, OutOfRangePositions)
{
    ustring s("keep");
    EXPECT_THROW(s.append(ustring("ab"), 3, 1), std::out_of_range);
    EXPECT_THROW(s.append(std::string("ab"), 3, 1), std::out_of_range);
    EXPECT_STREQ(s.c_str(), "keep");
    ustring t("old");
    EXPECT_THROW(t.assign(ustring("ab"), 3, 1), std::out_of_range);
    EXPECT_TRUE(t.empty()) << "the target is emptied before the substring is taken";
}

TEST(UstringAppend, OperatorsForward)
{
    ustring s;
    s += ustring("a");
    s += std::string("b");
    s += "c";
    s += u"d";
    s += 'e';
    s += u16('f');
    EXPECT_STREQ(s.c_str(), "abcdef");
    s = std::string("g");
    EXPECT_STREQ(s.c_str(), "g");
    s = u"h";
    EXPECT_STREQ(s.c_str(), "h");
    s = 'i';
    EXPECT_STREQ(s.c_str(), "i");
    s = u16('j');
    EXPECT_STREQ(s.c_str(), "j");
    s = ustring("k");
    EXPECT_STREQ(s.c_str(), "k");

    ustring base("p");
    EXPECT_STREQ((base + ustring("q")).c_str(), "pq");
    EXPECT_STREQ((base + "q").c_str(), "pq");
    EXPECT_STREQ((base + 'q').c_str(), "pq");
    EXPECT_STREQ((base + u"q").c_str(), "pq");
    EXPECT_STREQ((base + u16('q')).c_str(), "pq");
    EXPECT_STREQ(base.c_str(), "p");
}

TEST(UstringAccess, Substr)
{
    ustring s("abcdef");
    EXPECT_STREQ(s.substr(2, 100).c_str(), "cdef");
    EXPECT_STREQ(s.substr(1, 2).c_str(), "bc");
    EXPECT_TRUE(s.substr(6, npos).empty());
    try {
        s.substr(7, npos);
        FAIL() << "substr past the end must throw";
    } catch (const std::out_of_range &e) {
        EXPECT_STREQ(e.what(), "substr");
    }
}

TEST(UstringAccess, SwapReplaceAndIndex)
{
    ustring a("one"), b("two");
    swap(a, b);
    EXPECT_STREQ(a.c_str(), "two");
    EXPECT_STREQ(b.c_str(), "one");
    a.swap(b);
    EXPECT_STREQ(a.c_str(), "one");

    ustring r("aXa");
    r.c_str_utf16();
    r.replace('a', 'b');
    EXPECT_EQ(u16of(r), u"bXb");

    ustring x("abc");
    x[1] = 'B';
    EXPECT_STREQ(x.c_str(), "aBc");
    EXPECT_EQ(static_cast<const ustring &>(x)[3], '\0');
}

struct SearchCase {
    const char *name;
    const char *text;
    const char *pattern;
    size_t pos;
    size_t want_find, want_rfind, want_first_of, want_first_not_of, want_last_of,
        want_last_not_of;
};

class UstringSearch : public ::testing::TestWithParam<SearchCase>
{
};

TEST_P(UstringSearch, AllFamiliesAllPatternForms)
{
    const SearchCase &c = GetParam();
    ustring s(c.text);
    ustring up(c.pattern);
    std::string sp(c.pattern);
    EXPECT_EQ(s.find(c.pattern, c.pos), c.want_find);
    EXPECT_EQ(s.find(up, c.pos), c.want_find);
    EXPECT_EQ(s.find(sp, c.pos), c.want_find);
    EXPECT_EQ(s.rfind(c.pattern, c.pos), c.want_rfind);
    EXPECT_EQ(s.rfind(up, c.pos), c.want_rfind);
    EXPECT_EQ(s.rfind(sp, c.pos), c.want_rfind);
    EXPECT_EQ(s.find_first_of(c.pattern, c.pos), c.want_first_of);
    EXPECT_EQ(s.find_first_of(up, c.pos), c.want_first_of);
    EXPECT_EQ(s.find_first_of(sp, c.pos), c.want_first_of);
    EXPECT_EQ(s.find_first_not_of(c.pattern, c.pos), c.want_first_not_of);
    EXPECT_EQ(s.find_first_not_of(up, c.pos), c.want_first_not_of);
    EXPECT_EQ(s.find_first_not_of(sp, c.pos), c.want_first_not_of);
    EXPECT_EQ(s.find_last_of(c.pattern, c.pos), c.want_last_of);
    EXPECT_EQ(s.find_last_of(up, c.pos), c.want_last_of);
    EXPECT_EQ(s.find_last_of(sp, c.pos), c.want_last_of);
    EXPECT_EQ(s.find_last_not_of(c.pattern, c.pos), c.want_last_not_of);
    EXPECT_EQ(s.find_last_not_of(up, c.pos), c.want_last_not_of);
    EXPECT_EQ(s.find_last_not_of(sp, c.pos), c.want_last_not_of);
    if (std::string(c.pattern).size() == 1) {
        char ch = c.pattern[0];
        EXPECT_EQ(s.find(ch, c.pos), c.want_find);
        EXPECT_EQ(s.rfind(ch, c.pos), c.want_rfind);
        EXPECT_EQ(s.find_first_of(ch, c.pos), c.want_first_of);
        EXPECT_EQ(s.find_first_not_of(ch, c.pos), c.want_first_not_of);
        EXPECT_EQ(s.find_last_of(ch, c.pos), c.want_last_of);
        EXPECT_EQ(s.find_last_not_of(ch, c.pos), c.want_last_not_of);
    }
}

// Columns: find, rfind, find_first_of, find_first_not_of, find_last_of, find_last_not_of.
const SearchCase kSearchCases[] = {
    {"slash_from_npos", "/a/b", "/", npos, npos, 2, npos, npos, 2, 3},
    {"slash_from_0", "/a/b", "/", 0, 0, 0, 0, 1, 0, npos},
    {"empty_text", "", "/", 0, npos, npos, npos, npos, npos, npos},
    {"empty_text_empty_pattern", "", "", 0, npos, npos, npos, npos, npos, npos},
    {"empty_pattern_on_x", "x", "", 0, 0, 0, npos, 0, npos, 0},
    {"empty_pattern_from_3", "abcdef", "", 3, 3, 3, npos, 3, npos, 3},
    {"empty_pattern_from_npos", "abc", "", npos, npos, 2, npos, npos, npos, 2},
    {"pos_at_length", "abc", "c", 3, npos, 2, npos, npos, 2, 1},
    {"rfind_match_extends_past_start", "abcabc", "bca", 2, npos, 1, 2, npos, 2, npos},
    {"pattern_longer_than_text", "ab", "abc", 0, npos, npos, 0, npos, 0, npos},
    {"set_of_several_bytes", "hello world", "ow", 0, npos, npos, 4, 0, npos, 0},
    {"set_backward_from_npos", "hello world", "ow", npos, npos, npos, npos, npos, 7, 10},
    {"multibyte_counts_as_bytes", "a\xc3\xa9z", "\xa9", 0, 2, npos, 2, 0, npos, 0},
    {"multibyte_backward", "a\xc3\xa9z", "\xa9", npos, npos, 2, npos, npos, 2, 3},
};

INSTANTIATE_TEST_SUITE_P(Table, UstringSearch, ::testing::ValuesIn(kSearchCases),
                         [](const ::testing::TestParamInfo<SearchCase> &i) {
                             return std::string(i.param.name);
                         });

TEST(UstringSearch, StandardStringPatternEndsAtNul)
{
    ustring s("abcXd");
    EXPECT_EQ(s.find(std::string("X\0d", 3)), 3u);
    EXPECT_EQ(s.find(std::string("\0X", 2)), 0u) << "an empty pattern";
}

struct TrimCase {
    const char *name;
    const char *text;
    const char *list;
    const char *want_l, *want_r, *want_both;
};

class UstringTrim : public ::testing::TestWithParam<TrimCase>
{
};

TEST_P(UstringTrim, LeftRightBoth)
{
    const TrimCase &c = GetParam();
    ustring l(c.text), r(c.text), b(c.text), lu(c.text), ru(c.text), bu(c.text);
    l.ltrim(c.list);
    r.rtrim(c.list);
    b.trim(c.list);
    lu.ltrim(ustring(c.list));
    ru.rtrim(ustring(c.list));
    bu.trim(ustring(c.list));
    EXPECT_STREQ(l.c_str(), c.want_l);
    EXPECT_STREQ(r.c_str(), c.want_r);
    EXPECT_STREQ(b.c_str(), c.want_both);
    EXPECT_EQ(b.length(), std::string(c.want_both).size());
    EXPECT_STREQ(lu.c_str(), c.want_l);
    EXPECT_STREQ(ru.c_str(), c.want_r);
    EXPECT_STREQ(bu.c_str(), c.want_both);
}

const TrimCase kTrimCases[] = {
    {"space_tab", " \t x ", " \t", "x ", " \t x", "x"},
    {"all_removed", "   ", " ", "", "", ""},
    {"empty_list", "  a  ", "", "  a  ", "  a  ", "  a  "},
    {"nothing_to_trim", "abc", " ", "abc", "abc", "abc"},
    {"several_bytes", "xyaxy", "yx", "axy", "xya", "a"},
    {"empty_text", "", " ", "", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Table, UstringTrim, ::testing::ValuesIn(kTrimCases),
                         [](const ::testing::TestParamInfo<TrimCase> &i) {
                             return std::string(i.param.name);
                         });

TEST(UstringTrim, ChangeInvalidatesUtf16AndNoChangeKeepsIt)
{
    Probe s("  ab  ");
    s.c_str_utf16();
    s.trim("z");
    EXPECT_EQ(s.wlen(), 6u) << "a trim that removes nothing keeps the UTF-16 form";
    s.trim(" ");
    EXPECT_EQ(s.wlen(), 0u);
    EXPECT_EQ(u16of(s), u"ab");
}

TEST(UstringTrim, ListMayBeTheStringItself)
{
    ustring s("aaa");
    s.trim(s);
    EXPECT_TRUE(s.empty());
    ustring t("abba");
    t.ltrim(t.c_str());
    EXPECT_TRUE(t.empty());
}

TEST(UstringCompare, ByteOrderAndAsciiFolding)
{
    EXPECT_EQ(ustring::compare("ABC", "abc", true), 0);
    EXPECT_LT(ustring::compare("ABC", "abc", false), 0);
    // U+00C9 and U+00E9 differ outside ASCII: never folded.
    EXPECT_NE(ustring::compare("\xc3\x89", "\xc3\xa9", true), 0);
    EXPECT_NE(ustring::compare("\xc3\x89", "\xc3\xa9", false), 0);
    EXPECT_LT(ustring::compare("ab", "abc", false), 0);
    EXPECT_GT(ustring::compare("\xff", "a", false), 0) << "bytes compare unsigned";
    EXPECT_EQ(ustring("abcdef").compare(ustring("abcxyz"), 3), 0);
    EXPECT_LT(ustring("abcdef").compare(ustring("abcxyz"), 4), 0);
    EXPECT_EQ(ustring("a").compare(ustring("b"), 0), 0);
    EXPECT_EQ(ustring("ab").compare(ustring("ab"), 10), 0);
    EXPECT_GT(ustring("b").compare(ustring("a")), 0);
}

TEST(UstringCompare, RelationalOperators)
{
    ustring a("same"), b("same"), c("samf");
    EXPECT_TRUE(a <= b);
    EXPECT_TRUE(a >= b);
    EXPECT_FALSE(a < b);
    EXPECT_FALSE(a > b);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a != b);
    EXPECT_TRUE(a < c);
    EXPECT_TRUE(c > a);
    EXPECT_TRUE(a != c);

    std::map<ustring, int> m;
    m["b"] = 2;
    m["B"] = 1;
    m["a"] = 3;
    EXPECT_EQ(m.size(), 3u);
    EXPECT_STREQ(m.begin()->first.c_str(), "B");
}

TEST(UstringUnicode, CopyCarriesUtf8Only)
{
    Probe s("h\xc3\xa9");
    s.c_str_utf16();
    EXPECT_EQ(s.wlen(), 2u);
    Probe copy;
    static_cast<ustring &>(copy) = s;
    EXPECT_EQ(copy, s);
    EXPECT_EQ(copy.wlen(), 0u);
    EXPECT_EQ(u16of(copy), u"h\u00e9");
}

TEST(UstringUnicode, IllFormedUtf8)
{
    CerrCapture err;
    ustring bad("\xc3\x28");
    EXPECT_FALSE(ustring::is_valid(bad));
    EXPECT_EQ(bad.c_str_utf16()[0], 0);
    EXPECT_STREQ(bad.c_str(), "\xc3\x28");
    EXPECT_NE(err.text().find("Warning: u_strFromUTF8: error code 10 at line "), std::string::npos)
        << err.text();

    bad += u16('x');
    EXPECT_STREQ(bad.c_str(), "x") << "the UTF-16 form it extends is empty";
}

TEST(UstringUnicode, WarningRepeatsOnEveryAsk)
{
    CerrCapture err;
    ustring bad("\xff");
    bad.c_str_utf16();
    bad.c_str_utf16();
    std::string text = err.text();
    size_t first = text.find("Warning: u_strFromUTF8");
    ASSERT_NE(first, std::string::npos);
    EXPECT_NE(text.find("Warning: u_strFromUTF8", first + 1), std::string::npos);
}

TEST(UstringUnicode, LoneSurrogateEmptiesString)
{
    CerrCapture err;
    ustring s("abc");
    s += u16(0xD800);
    EXPECT_TRUE(s.empty());
    EXPECT_EQ(s.c_str_utf16()[0], 0);
    EXPECT_NE(err.text().find("Warning: u_strToUTF8: error code "), std::string::npos);
}

TEST(UstringUnicode, Validity)
{
    const struct {
        const char *text;
        bool valid;
    } cases[] = {
        {"", true},
        {"plain", true},
        {"\xc3\xa9", true},
        {"\xf0\x9f\x98\x80", true},
        {"\xc3\x28", false},
        {"\xed\xa0\x80", false}, // an encoded surrogate
        {"\xc0\xaf", false},     // an overlong form
        {"\xe2\x82", false},     // truncated
    };
    CerrCapture quiet;
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ustring::is_valid(c.text), c.valid);
    }
}

TEST(UstringUnicode, NormalizeRoundTrip)
{
    ustring composed("\xc3\xa9");
    ustring decomposed = composed.normalize(ustring::NFD);
    EXPECT_STREQ(decomposed.c_str(), "e\xcc\x81");
    EXPECT_EQ(decomposed.length(), 3u);
    EXPECT_EQ(u16of(decomposed), u"e\u0301");
    ustring back = ustring::normalize(decomposed, ustring::NFC);
    EXPECT_STREQ(back.c_str(), "\xc3\xa9");
    EXPECT_TRUE(ustring::normalize(ustring(), ustring::NFD).empty());
    EXPECT_STREQ(ustring("abc").normalize(ustring::NFC).c_str(), "abc");
}

TEST(UstringUnicode, NormalizeIllFormedGivesEmpty)
{
    CerrCapture err;
    EXPECT_TRUE(ustring("\xc3\x28").normalize(ustring::NFC).empty());
    EXPECT_NE(err.text().find("Warning: u_strFromUTF8"), std::string::npos);
}

TEST(UstringUnicode, Utf16SideRebuildsUtf8)
{
    Probe s;
    s.assign(u"\u65e5\u672c");
    EXPECT_STREQ(s.c_str(), "\xe6\x97\xa5\xe6\x9c\xac");
    EXPECT_EQ(s.length(), 6u);
    s.assign(s.c_str_utf16(), 1);
    EXPECT_STREQ(s.c_str(), "\xe6\x97\xa5");
    s.append(u"\U0001F600");
    EXPECT_STREQ(s.c_str(), "\xe6\x97\xa5\xf0\x9f\x98\x80");
    s.assign(u16('a'), 3);
    EXPECT_STREQ(s.c_str(), "aaa");
    s.assign("x");
    EXPECT_EQ(s.wlen(), 0u) << "a UTF-8 change invalidates the UTF-16 form";
}

TEST(UstringStreams, WriteAndReadWords)
{
    std::ostringstream out;
    out << ustring("h\xc3\xa9llo") << '|';
    EXPECT_EQ(out.str(), "h\xc3\xa9llo|");
    std::istringstream in("  first second");
    ustring a, b;
    in >> a >> b;
    EXPECT_STREQ(a.c_str(), "first");
    EXPECT_STREQ(b.c_str(), "second");
}

} // namespace
