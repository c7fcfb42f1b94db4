#include "tmp_name_gen.h"

#include <cstdio>
#include <cstring>
#include <sys/time.h>

namespace
{

// Every character is valid in a file name; none is "/" or ".".
const char kAlphabet[] = "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ-_";
static_assert(sizeof(kAlphabet) == 64 + 1, "the encoding takes 6 bits per character");

} // namespace

pthread_mutex_t TmpNameGen::m_lock = PTHREAD_MUTEX_INITIALIZER;

TmpNameGen &TmpNameGen::getInstance()
{
    static TmpNameGen tmp_name;
    return tmp_name;
}

TmpNameGen::TmpNameGen()
{
    // The key is the clock's text followed by zero bytes, all KEY_LEN of which
    // enter the key schedule.
    std::memset(m_key, 0, sizeof(m_key));
    std::memset(m_buffer, 0, sizeof(m_buffer));
    get_key(m_key, sizeof(m_key));
    rc4_init(m_s_box, m_key);
}

TmpNameGen::TmpNameGen(const unsigned char *key)
{
    std::memcpy(m_key, key, sizeof(m_key));
    std::memset(m_buffer, 0, sizeof(m_buffer));
    rc4_init(m_s_box, m_key);
}

void TmpNameGen::get_key(unsigned char *key, size_t len)
{
    struct timeval tv;
    gettimeofday(&tv, nullptr);
    std::snprintf(reinterpret_cast<char *>(key), len, "%lu-%lu",
                  static_cast<unsigned long>(tv.tv_sec), static_cast<unsigned long>(tv.tv_usec));
}

void TmpNameGen::rc4_init(unsigned char *S, const unsigned char *key)
{
    for (int i = 0; i < KEY_LEN; ++i)
        S[i] = static_cast<unsigned char>(i);
    unsigned j = 0;
    for (int i = 0; i < KEY_LEN; ++i) {
        j = (j + S[i] + key[i]) & 0xff;
        unsigned char t = S[i];
        S[i] = S[j];
        S[j] = t;
    }
}

void TmpNameGen::rc4_randomize(unsigned char *S, unsigned char *buffer, int length)
{
    unsigned i = 0, j = 0;
    for (int k = 0; k < length; ++k) {
        i = (i + 1) & 0xff;
        j = (j + S[i]) & 0xff;
        unsigned char t = S[i];
        S[i] = S[j];
        S[j] = t;
        buffer[k] = S[(S[i] + S[j]) & 0xff];
    }
}

void TmpNameGen::encode(const unsigned char *raw, char *out)
{
    for (int g = 0; g < RAW_LEN / 3; ++g) {
        const unsigned char *b = raw + 3 * g;
        char *o = out + 4 * g;
        o[0] = kAlphabet[b[0] >> 2];
        o[1] = kAlphabet[((b[0] & 3) << 4) | (b[1] >> 4)];
        o[2] = kAlphabet[((b[1] & 15) << 2) | (b[2] >> 6)];
        o[3] = kAlphabet[b[2] & 63];
    }
}

ustring TmpNameGen::getTmpName()
{
    char name[NAME_LEN + 1];
    lock();
    rc4_randomize(m_s_box, m_buffer, RAW_LEN);
    encode(m_buffer, name);
    unlock();
    name[NAME_LEN] = '\0';
    return ustring(name);
}

ustring TmpNameGen::getTmpPath(const ustring &prefix)
{
    return prefix + "/" + getTmpName();
}

void TmpNameGen::lock()
{
    pthread_mutex_lock(&m_lock);
}

void TmpNameGen::unlock()
{
    pthread_mutex_unlock(&m_lock);
}
