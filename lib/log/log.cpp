#include "log.h"

#include "config.h"

#include <climits>
#include <cstdlib>
#include <ctime>
#include <syslog.h>
#include <sys/time.h>

std::map<ustring, int> Logger::log_level;
Logger::Type Logger::log_type = Logger::STDOUT_LOGGER;
FILE *Logger::log_fp = stderr;
int *Logger::log_size = nullptr;
int Logger::rotate_cnt = 50;
ustring Logger::log_path;
pthread_mutex_t *Logger::log_lock = nullptr;
int Logger::log_flock = -1;
bool Logger::inter_process_safe = false;
uint64_t *Logger::log_rotated_count_shared = nullptr;
uint64_t Logger::log_rotated_count_private = 0;
bool Logger::log_initialized = true;

namespace {

const int kDefaultThreshold = Logger::L_WARNING;
const long kRotateSize = 1048576;
const size_t kNameBufSize = 1024;

// Serialises the lazy creation of the mutex and the counters, which LogMsg may
// attempt from several threads when nothing was initialised yet.
pthread_mutex_t g_create_guard = PTHREAD_MUTEX_INITIALIZER;

// atoi semantics (blanks, sign, leading digits; 0 when there are none),
// clamped to the range of int instead of overflowing.
int level_value(const ustring &text)
{
    long v = std::strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

bool is_std_stream(FILE *fp)
{
    return fp == stdout || fp == stderr;
}

// Closes a stream the logger opened; the standard streams are never closed.
void close_own_stream(FILE *fp)
{
    if (fp != nullptr && !is_std_stream(fp))
        std::fclose(fp);
}

// The numbered file name "<path>_<index>"; false when it does not fit the
// buffer, so that a cut name can never stand for another file.
bool numbered_name(char *buf, const ustring &path, int index)
{
    int n = std::snprintf(buf, kNameBufSize, "%s_%d", path.c_str(), index);
    return n >= 0 && static_cast<size_t>(n) < kNameBufSize;
}

} // namespace

int Logger::Initialize(Type type, const ustring &log_path, const ustring &level_path,
                       int rotate_cnt)
{
    DestroySharedData();
    DestroyLock();
    InitializeLock();
    InitializeSharedData();
    if (log_size == nullptr || log_rotated_count_shared == nullptr)
        return -1;

    log_level["default_component"] = kDefaultThreshold;
    if (!level_path.empty()) {
        Config levels;
        levels.read(level_path);
        for (Config::Store::const_iterator it = levels.begin(); it != levels.end(); ++it)
            log_level[it->first] = level_value(it->second);
    }

    log_type = type;
    switch (type) {
    case SYSLOG_LOGGER:
        close_own_stream(log_fp);
        log_fp = nullptr;
        Logger::log_path.clear();
        *log_size = -1;
        break;
    case STDOUT_LOGGER:
        close_own_stream(log_fp);
        log_fp = stdout;
        Logger::log_path.clear();
        *log_size = -1;
        break;
    case STDERR_LOGGER:
        close_own_stream(log_fp);
        log_fp = stderr;
        Logger::log_path.clear();
        *log_size = -1;
        break;
    default: {
        FILE *fp = log_path.empty() ? nullptr : std::fopen(log_path.c_str(), "a");
        close_own_stream(log_fp);
        if (fp == nullptr) {
            // Without a log file, messages go to standard error with their time
            // stamp, uncounted: nothing may later be rotated, renamed or closed.
            log_fp = stderr;
            Logger::log_path.clear();
            *log_size = -1;
            if (type == FILE_LOGGER)
                log_type = STDERR_LOGGER;
            return -1;
        }
        log_fp = fp;
        *log_size = 0;
        Logger::log_path = log_path;
        Logger::rotate_cnt = rotate_cnt;
        break;
    }
    }

    *log_rotated_count_shared = 0;
    log_rotated_count_private = 0;
    log_initialized = true;
    return 0;
}

void Logger::Destroy()
{
    log_initialized = false;
    if (log_type == FILE_LOGGER) {
        close_own_stream(log_fp);
        log_fp = nullptr;
        log_path.clear();
    }
    DestroySharedData();
    DestroyLock();
}

void Logger::LogMsg(Level level, const ustring &comp, const char *fmt, ...)
{
    va_list args;
    va_start(args, fmt);
    LogMsg2(level, comp, fmt, args);
    va_end(args);
}

void Logger::LogMsg2(Level level, const ustring &comp, const char *fmt, va_list args)
{
    if (!log_initialized)
        return;
    InitializeLock();
    InitializeSharedData();
    if (log_lock == nullptr || log_size == nullptr || log_rotated_count_shared == nullptr)
        return;

    Lock();
    // The stream is checked under the lock: a rotation on another thread
    // replaces it.
    if (log_type != SYSLOG_LOGGER && log_fp == nullptr) {
        Unlock();
        return;
    }
    if (*log_rotated_count_shared != log_rotated_count_private) {
        ReloadLogFile();
        log_rotated_count_private = *log_rotated_count_shared;
    }

    std::map<ustring, int>::const_iterator found = log_level.find(comp);
    int threshold = found == log_level.end() ? kDefaultThreshold : found->second;
    if (static_cast<int>(level) > threshold) {
        Unlock();
        return;
    }

    long counted = 0;
    if (log_type == SYSLOG_LOGGER) {
        vsyslog(LOG_ERR, fmt, args);
    } else if (log_type < 1 || log_type > 4) {
        std::vfprintf(stderr, fmt, args);
    } else if (log_fp != nullptr) {
        char stamp[512];
        struct timeval now;
        gettimeofday(&now, nullptr);
        struct tm local;
        time_t secs = now.tv_sec;
        localtime_r(&secs, &local);
        if (std::strftime(stamp, sizeof stamp, "%b %d %H:%M:%S ", &local) == 0)
            stamp[0] = 0;
        int n1 = std::fprintf(log_fp, "%s", stamp);
        int n2 = std::vfprintf(log_fp, fmt, args);
        std::fflush(log_fp);
        counted = (n1 < 0 || n2 < 0) ? -1 : static_cast<long>(n1) + n2;
    }

    if (log_type == FILE_LOGGER && counted >= 0 && *log_size >= 0) {
        long total = static_cast<long>(*log_size) + counted;
        if (total > kRotateSize) {
            Rotate();
            *log_size = 0;
        } else {
            *log_size = static_cast<int>(total);
        }
    }
    Unlock();
}

int Logger::Rotate()
{
    if (log_path.empty())
        return -1;
    char from[kNameBufSize];
    char to[kNameBufSize];
    int n = rotate_cnt;
    if (!numbered_name(to, log_path, 0))
        return -1; // no place to rotate to: keep writing the live file

    for (int i = n - 2; i >= 0; --i) {
        if (numbered_name(from, log_path, i) && numbered_name(to, log_path, i + 1))
            std::rename(from, to);
    }
    if (numbered_name(from, log_path, n - 1))
        std::remove(from);

    close_own_stream(log_fp);
    log_fp = nullptr;

    numbered_name(to, log_path, 0);
    if (std::rename(log_path.c_str(), to) != 0)
        return -1;
    FILE *fp = std::fopen(log_path.c_str(), "a");
    if (fp == nullptr)
        return -1;
    log_fp = fp;
    ++*log_rotated_count_shared;
    ++log_rotated_count_private;
    return 0;
}

void Logger::ReloadLogFile()
{
    if (log_type == SYSLOG_LOGGER || log_type == STDOUT_LOGGER || log_type == STDERR_LOGGER)
        return;
    close_own_stream(log_fp);
    log_fp = nullptr;
    FILE *fp = log_path.empty() ? nullptr : std::fopen(log_path.c_str(), "a");
    if (fp != nullptr) {
        log_fp = fp;
        *log_size = 0;
    }
}

void Logger::InitializeLock()
{
    InitializeFileLock();
    pthread_mutex_lock(&g_create_guard);
    if (log_lock == nullptr) {
        pthread_mutex_t *m = static_cast<pthread_mutex_t *>(std::malloc(sizeof(pthread_mutex_t)));
        if (m != nullptr && pthread_mutex_init(m, nullptr) == 0)
            log_lock = m;
        else
            std::free(m);
    }
    pthread_mutex_unlock(&g_create_guard);
}

void Logger::DestroyLock()
{
    pthread_mutex_lock(&g_create_guard);
    if (log_lock != nullptr) {
        pthread_mutex_destroy(log_lock);
        std::free(log_lock);
        log_lock = nullptr;
    }
    pthread_mutex_unlock(&g_create_guard);
    DestroyFileLock();
}

// Writers of other processes are not coordinated with.
void Logger::InitializeFileLock() {}

void Logger::DestroyFileLock() {}

void Logger::Lock()
{
    pthread_mutex_lock(log_lock);
}

void Logger::Unlock()
{
    pthread_mutex_unlock(log_lock);
}

void Logger::InitializeSharedData()
{
    pthread_mutex_lock(&g_create_guard);
    if (log_size == nullptr || log_rotated_count_shared == nullptr) {
        std::free(log_size);
        std::free(log_rotated_count_shared);
        log_size = static_cast<int *>(std::calloc(1, sizeof(int)));
        log_rotated_count_shared = static_cast<uint64_t *>(std::calloc(1, sizeof(uint64_t)));
    }
    pthread_mutex_unlock(&g_create_guard);
}

void Logger::DestroySharedData()
{
    pthread_mutex_lock(&g_create_guard);
    std::free(log_size);
    std::free(log_rotated_count_shared);
    log_size = nullptr;
    log_rotated_count_shared = nullptr;
    pthread_mutex_unlock(&g_create_guard);
}

void LogMSG_c(int level, const char *comp, const char *fmt, va_list args)
{
    ustring component(comp);
    Logger::LogMsg2(static_cast<Logger::Level>(level), component, fmt, args);
}
