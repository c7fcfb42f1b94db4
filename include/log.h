#ifndef ORVANTA_LOG_H
#define ORVANTA_LOG_H

#include "ustring/ustring.h"

#include <cstdarg>
#include <cstdint>
#include <cstdio>
#include <map>
#include <pthread.h>

/// The one logger of the process: static data and operations only.
///
/// A message is written when its level is at most its component's threshold:
/// the value the level file gives that component, else 4 (L_WARNING). Stream
/// destinations get the local time ("%b %d %H:%M:%S ") before each message and
/// are flushed after it. A file destination is rotated once this process has
/// written more than 1 MiB to it. One mutex serialises all writing, so lines of
/// different threads never interleave.
///
/// Initialize() and Destroy() must run while no other thread logs.
class Logger
{
public:
    enum Type {
        ANDROID_LOGGER = 0,
        SYSLOG_LOGGER = 1,
        STDOUT_LOGGER = 2,
        STDERR_LOGGER = 3,
        FILE_LOGGER = 4,
    };

    enum Level {
        L_EMERG = 0,
        L_ALERT = 1,
        L_CRIT = 2,
        L_ERR = 3,
        L_WARNING = 4,
        L_NOTICE = 5,
        L_INFO = 6,
        L_DEBUG = 7,
    };

    /// Chooses the destination and reads the per-component thresholds from
    /// level_path (a key=value file; missing or malformed adds nothing).
    /// Returns -1 when the counters cannot be allocated or, for a file
    /// destination, when log_path is empty or cannot be opened for appending.
    static int Initialize(Type type, const ustring &log_path, const ustring &level_path,
                          int rotate_cnt);
    static void Destroy();
    static void LogMsg(Level level, const ustring &comp, const char *fmt, ...)
        __attribute__((format(printf, 3, 4)));
    static void LogMsg2(Level level, const ustring &comp, const char *fmt, va_list args)
        __attribute__((format(printf, 3, 0)));

private:
    Logger() = delete;

    static int Rotate();
    static void InitializeLock();
    static void DestroyLock();
    static void InitializeFileLock();
    static void DestroyFileLock();
    static void Lock();
    static void Unlock();
    static void InitializeSharedData();
    static void DestroySharedData();
    static void ReloadLogFile();

    static std::map<ustring, int> log_level;
    static Type log_type;
    static FILE *log_fp;
    static int *log_size;
    static int rotate_cnt;
    static ustring log_path;
    static pthread_mutex_t *log_lock;
    static int log_flock;
    static bool inter_process_safe;
    static uint64_t *log_rotated_count_shared;
    static uint64_t log_rotated_count_private;
    static bool log_initialized;
};

/// For callers that hold plain character strings.
void LogMSG_c(int level, const char *comp, const char *fmt, va_list args)
    __attribute__((format(printf, 3, 0)));

/// Logs with the caller's source line as the format's first argument, so every
/// format begins "[TAG] <source>(%d): ".
#define LOG_MSG(level, comp, fmt, ...)                                                             \
    Logger::LogMsg(Logger::level, (comp), (fmt), __LINE__, ##__VA_ARGS__)

#endif
