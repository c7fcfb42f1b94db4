#ifndef ORVANTA_TMP_NAME_GEN_H
#define ORVANTA_TMP_NAME_GEN_H

#include "ustring/ustring.h"

#include <cstddef>
#include <pthread.h>

/// Short random names for temporary files and folders: eight characters of
/// [0-9a-zA-Z-_], drawn from an RC4 generator keyed once from the clock.
///
/// The names make clashes unlikely but are not unpredictable, and nothing is
/// checked on disk: whoever creates the file must handle a clash. Every draw is
/// serialised by one process-wide mutex, so any thread may call getTmpName().
class TmpNameGen
{
public:
    enum { KEY_LEN = 256, RAW_LEN = 6, NAME_LEN = 8 };

    /// The process-wide generator, keyed from the clock on the first call.
    static TmpNameGen &getInstance();

    /// A generator keyed with exactly these KEY_LEN bytes, for a reproducible
    /// sequence of names.
    explicit TmpNameGen(const unsigned char *key);
    ~TmpNameGen() {}

    TmpNameGen(const TmpNameGen &) = delete;
    TmpNameGen &operator=(const TmpNameGen &) = delete;

    /// A new NAME_LEN-character name.
    ustring getTmpName();
    /// prefix + "/" + a new name; the prefix is taken as it is.
    ustring getTmpPath(const ustring &prefix);

    /// Writes the clock's "<seconds>-<microseconds>" into key, at most len bytes
    /// with the terminator.
    void get_key(unsigned char *key, size_t len);
    /// RC4 key schedule over all KEY_LEN bytes of key.
    void rc4_init(unsigned char *S, const unsigned char *key);
    /// length bytes of RC4 output into buffer. Both indices start at 0 on every
    /// call; only the permutation S carries over from one call to the next.
    void rc4_randomize(unsigned char *S, unsigned char *buffer, int length);

    /// The name for RAW_LEN drawn bytes: Base64's bit grouping over the
    /// alphabet above, without padding. out receives NAME_LEN characters (no
    /// terminator).
    static void encode(const unsigned char *raw, char *out);

    static void lock();
    static void unlock();

private:
    TmpNameGen();

    static pthread_mutex_t m_lock;
    unsigned char m_s_box[KEY_LEN];
    unsigned char m_key[KEY_LEN];
    unsigned char m_buffer[RAW_LEN];
};

#endif
