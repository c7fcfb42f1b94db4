#include "tmp_name_gen.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace
{

const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";

// A textbook RC4 written independently of the generator: a 256-byte key
// schedule, then one continuous output stream unless restart() is called.
class ReferenceRc4
{
public:
    explicit ReferenceRc4(const std::vector<unsigned char> &key)
    {
        for (int k = 0; k < 256; ++k)
            s[k] = static_cast<unsigned char>(k);
        int j = 0;
        for (int k = 0; k < 256; ++k) {
            j = (j + s[k] + key[k]) % 256;
            std::swap(s[k], s[j]);
        }
    }
    void restart() { i = j = 0; }
    std::vector<unsigned char> next(int n)
    {
        std::vector<unsigned char> out;
        for (int k = 0; k < n; ++k) {
            i = (i + 1) % 256;
            j = (j + s[i]) % 256;
            std::swap(s[i], s[j]);
            out.push_back(s[(s[i] + s[j]) % 256]);
        }
        return out;
    }

private:
    unsigned char s[256];
    int i = 0, j = 0;
};

// A short key repeated over all 256 bytes schedules exactly like RC4 with the
// short key, so published vectors apply.
std::vector<unsigned char> repeated(const std::string &key)
{
    std::vector<unsigned char> k(256);
    for (size_t n = 0; n < k.size(); ++n)
        k[n] = static_cast<unsigned char>(key[n % key.size()]);
    return k;
}

// A key shaped like the clock's: text, terminator, zero bytes.
std::vector<unsigned char> clockLikeKey()
{
    std::vector<unsigned char> k(256, 0);
    const char text[] = "1700000000-123456";
    std::memcpy(k.data(), text, sizeof(text));
    return k;
}

std::string encoded(const std::vector<unsigned char> &raw)
{
    char out[TmpNameGen::NAME_LEN];
    TmpNameGen::encode(raw.data(), out);
    return std::string(out, sizeof(out));
}

void expectValidName(const std::string &name)
{
    ASSERT_EQ(name.size(), 8u) << name;
    EXPECT_EQ(name.find_first_not_of(kAlphabet), std::string::npos) << name;
}

TEST(TmpNameGenRc4, FreshPermutationGivesPublishedKeystream)
{
    struct Case {
        const char *key;
        std::vector<unsigned char> stream;
    } cases[] = {
        {"Key", {0xEB, 0x9F, 0x77, 0x81, 0xB7, 0x34, 0xCA, 0x72, 0xA7, 0x19}},
        {"Wiki", {0x60, 0x44, 0xDB, 0x6D, 0x41, 0xB7}},
        {"Secret", {0x04, 0xD4, 0x6B, 0x05, 0x3C, 0xA8, 0x7B, 0x59}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        std::vector<unsigned char> key = repeated(c.key);
        TmpNameGen gen(key.data());
        unsigned char s[256];
        gen.rc4_init(s, key.data());
        std::vector<unsigned char> out(c.stream.size());
        gen.rc4_randomize(s, out.data(), static_cast<int>(out.size()));
        EXPECT_EQ(out, c.stream);
    }
}

TEST(TmpNameGenRc4, EachDrawRestartsIndicesOnTheCarriedPermutation)
{
    std::vector<unsigned char> key = clockLikeKey();
    TmpNameGen gen(key.data());
    unsigned char s[256];
    gen.rc4_init(s, key.data());

    ReferenceRc4 continuous(key);
    std::vector<unsigned char> stream = continuous.next(12);

    ReferenceRc4 restarted(key);
    std::vector<unsigned char> first(6), second(6);
    gen.rc4_randomize(s, first.data(), 6);
    EXPECT_EQ(first, restarted.next(6));
    EXPECT_EQ(first, std::vector<unsigned char>(stream.begin(), stream.begin() + 6));

    gen.rc4_randomize(s, second.data(), 6);
    restarted.restart();
    EXPECT_EQ(second, restarted.next(6));
    EXPECT_NE(second, std::vector<unsigned char>(stream.begin() + 6, stream.end()));
}

TEST(TmpNameGenRc4, NonPositiveLengthDrawsNothing)
{
    std::vector<unsigned char> key = clockLikeKey();
    TmpNameGen gen(key.data());
    unsigned char s[256], before[256];
    gen.rc4_init(s, key.data());
    std::memcpy(before, s, sizeof(s));
    unsigned char out[1] = {0x5a};
    gen.rc4_randomize(s, out, 0);
    gen.rc4_randomize(s, out, -3);
    EXPECT_EQ(std::memcmp(before, s, sizeof(s)), 0);
    EXPECT_EQ(out[0], 0x5a);
}

TEST(TmpNameGenEncoding, SixBytesGiveEightAlphabetCharacters)
{
    struct Case {
        std::vector<unsigned char> raw;
        const char *name;
    } cases[] = {
        {{0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF}, "0000____"},
        {{0x04, 0x10, 0x41, 0x04, 0x10, 0x41}, "11111111"},
        {{0x00, 0x10, 0x83, 0x10, 0x51, 0x87}, "01234567"},
        {{0x28, 0xA2, 0x8A, 0xFB, 0xFF, 0xBF}, "aaaa-_-_"},
        {{0x92, 0x49, 0x24, 0xA2, 0x8A, 0x28}, "AAAAEEEE"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(encoded(c.raw), c.name);
}

TEST(TmpNameGenNames, KeyedGeneratorNamesFollowTheReferenceDraws)
{
    std::vector<unsigned char> key = clockLikeKey();
    TmpNameGen gen(key.data());
    TmpNameGen twin(key.data());
    ReferenceRc4 ref(key);
    for (int n = 0; n < 50; ++n) {
        SCOPED_TRACE(n);
        ref.restart();
        std::string name = gen.getTmpName().c_str();
        EXPECT_EQ(name, encoded(ref.next(6)));
        EXPECT_EQ(name, twin.getTmpName().c_str()) << "same key, same sequence";
    }
}

TEST(TmpNameGenNames, SingletonNamesAndPaths)
{
    TmpNameGen &gen = TmpNameGen::getInstance();
    EXPECT_EQ(&gen, &TmpNameGen::getInstance());

    std::string a = gen.getTmpName().c_str();
    std::string b = gen.getTmpName().c_str();
    expectValidName(a);
    expectValidName(b);
    EXPECT_NE(a, b);

    struct Case {
        const char *prefix;
        const char *start;
    } cases[] = {{"/tmp", "/tmp/"}, {"/tmp/", "/tmp//"}, {"", "/"}, {"rel", "rel/"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prefix);
        std::string path = gen.getTmpPath(c.prefix).c_str();
        std::string start = c.start;
        ASSERT_EQ(path.size(), start.size() + 8);
        EXPECT_EQ(path.compare(0, start.size(), start), 0) << path;
        expectValidName(path.substr(start.size()));
    }
}

TEST(TmpNameGenThreads, ConcurrentDrawsStayWholeAndDistinct)
{
    const int kThreads = 4, kPerThread = 2000;
    std::vector<std::vector<std::string>> names(kThreads);
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([&names, t] {
            for (int n = 0; n < kPerThread; ++n)
                names[t].push_back(TmpNameGen::getInstance().getTmpName().c_str());
        });
    }
    for (std::thread &th : threads)
        th.join();

    std::set<std::string> all;
    for (const std::vector<std::string> &list : names) {
        for (const std::string &name : list) {
            expectValidName(name);
            all.insert(name);
        }
    }
    // 48 random bits per name: a clash among 8000 is far below one in a million.
    EXPECT_EQ(all.size(), static_cast<size_t>(kThreads * kPerThread));
}

} // namespace
