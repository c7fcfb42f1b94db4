#include "extractor.h"

#include "adapter.h"
#include "log.h"
#include "texts/strtab.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <chrono>
#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <set>
#include <string>
#include <system_error>
#include <thread>
#include <vector>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const char *const kComp = "extractor_debug";
const size_t kBlockSize = 10240;

// Replace files in the way; refuse entries with "..". Owners, permissions
// beyond the umask, and times are not restored; missing parents are created.
const int kDiskOptions =
    ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

// The extraction's files are sent to the disk in batches of this many bytes
// while it goes on (see WriteBack).
const la_int64_t kWriteBackBytes = 4 << 20;

// The longest the dialog waits for the steps of entries already written.
const std::chrono::milliseconds kProgressInterval(50);

const char *error_text(struct archive *a)
{
    const char *e = a ? archive_error_string(a) : nullptr;
    return e ? e : "";
}

// A reader for any format and filter libarchive knows, opened on path.
struct archive *open_reader(const ustring &path, int *open_result)
{
    struct archive *a = archive_read_new();
    if (a == nullptr)
        return nullptr;
    archive_read_support_filter_all(a);
    archive_read_support_format_all(a);
    *open_result = archive_read_open_filename(a, path.c_str(), kBlockSize);
    return a;
}

// A reader opened for walking the entries (counting or listing them); none,
// with the failure logged, when it cannot be made or opened.
struct archive *open_listing_reader(const ustring &source)
{
    int opened = ARCHIVE_FATAL;
    struct archive *a = open_reader(source, &opened);
    if (a == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Allocate archive failed\n");
        return nullptr;
    }
    if (opened != ARCHIVE_OK) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
                error_text(a));
        archive_read_free(a);
        return nullptr;
    }
    return a;
}

bool is_within(const char *path, const std::string &root)
{
    const size_t n = root.size();
    return root.compare(0, n, path, std::min(n, std::strlen(path))) == 0 &&
           (path[n] == 0 || path[n] == '/' || n == 1);
}

// Tells whether writing an entry could lead outside the target through a
// symbolic link: a folder on the way from the target down to the entry (and
// the entry itself, for folders) that exists as a link resolving outside.
// Folders that do not exist yet are created as real folders by libarchive.
//
// Folders found to be real folders (reached without a link) are remembered,
// so that each costs one lstat rather than one per entry below it. Paths are
// compared in a canonical form, without "." and empty components. Writing an
// entry forgets what was remembered at its path and below; an entry reached
// through a link, or with ".." in its path, forgets everything, as its effect
// cannot be matched by name.
class LinkGuard
{
public:
    explicit LinkGuard(const std::string &target) : target(target) {}

    /// path is the target, "/" and the entry's name.
    bool StaysInside(const std::string &path, bool check_last)
    {
        return Check(path, check_last, entry_path, entry_cacheable);
    }

    /// A hard link's target, which is read but not written.
    bool LinkStaysInside(const std::string &path)
    {
        std::string canon;
        bool cacheable;
        return Check(path, false, canon, cacheable);
    }

    /// The entry last given to StaysInside has been written.
    void Written(bool is_dir)
    {
        if (!entry_cacheable) {
            real_dirs.clear();
            return;
        }
        if (is_dir && real_dirs.count(entry_path) != 0)
            return;
        real_dirs.erase(entry_path);
        // Everything below: the names that begin with path + "/", up to path + "0".
        std::string below = entry_path + '/';
        auto first = real_dirs.lower_bound(below);
        below.back() = '/' + 1;
        real_dirs.erase(first, real_dirs.lower_bound(below));
    }

private:
    bool Check(const std::string &path, bool check_last, std::string &canon, bool &cacheable)
    {
        canon = target;
        cacheable = true;
        for (size_t pos = target.size(); pos < path.size();) {
            const size_t end = std::min(path.find('/', pos + 1), path.size());
            const size_t len = end - pos - 1;
            if (len == 2 && path.compare(pos + 1, 2, "..") == 0)
                cacheable = false;
            if (len > 0 && !(len == 1 && path[pos + 1] == '.'))
                canon.append(path, pos, end - pos);
            pos = end;
        }
        // With "..", names cannot be made canonical: the path is walked as given.
        const std::string &walk = cacheable ? canon : path;
        const size_t last = walk.rfind('/');
        if (cacheable && last != std::string::npos && last >= target.size()) {
            prefix.assign(walk, 0, last);
            if (last == target.size() || real_dirs.count(prefix) != 0)
                return !check_last || Component(walk, walk.size(), cacheable) != 0;
        }
        for (size_t pos = target.size();;) {
            const size_t next = walk.find('/', pos + 1);
            if (next == std::string::npos && !check_last)
                return true;
            const size_t end = next == std::string::npos ? walk.size() : next;
            const int r = Component(walk, end, cacheable);
            if (r <= 0)
                return r < 0;
            if (next == std::string::npos)
                return true;
            pos = next;
        }
    }

    // Looks at walk's first `end` bytes: 1 when it is a real folder or a link
    // that stays inside, 0 when it leads outside, -1 when it does not exist
    // (nothing below it does either). A link met makes the path uncacheable.
    int Component(const std::string &walk, size_t end, bool &cacheable)
    {
        prefix.assign(walk, 0, end);
        if (cacheable && real_dirs.count(prefix) != 0)
            return 1;
        struct stat st;
        if (lstat(prefix.c_str(), &st) != 0)
            return -1;
        if (S_ISLNK(st.st_mode)) {
            cacheable = false;
            char real[PATH_MAX];
            if (real_target.empty()) {
                if (realpath(target.c_str(), real) == nullptr)
                    return 0;
                real_target = real;
            }
            return realpath(prefix.c_str(), real) != nullptr && is_within(real, real_target) ? 1
                                                                                         : 0;
        }
        if (cacheable && S_ISDIR(st.st_mode))
            real_dirs.insert(prefix);
        return 1;
    }

    const std::string target;
    std::string real_target; // resolved on the first link met
    std::set<std::string> real_dirs;
    std::string entry_path; // canonical path of the entry last checked
    bool entry_cacheable = true;
    std::string prefix;
};

// Sends what the extraction writes to the disk while it goes on, so that the
// caller's flush after the extraction finds little left to wait for: a thread
// of its own starts the write-back of finished files (sync_file_range, which
// does not wait), a batch each time another kWriteBackBytes were written.
// A hint only: what it misses or fails at is left to that flush.
class WriteBack
{
public:
    WriteBack()
    {
        try {
            thread = std::thread([this] { Run(); });
        } catch (const std::system_error &) {
        }
    }

    ~WriteBack()
    {
        {
            std::lock_guard<std::mutex> g(lock);
            stop = true;
            wake.notify_all();
        }
        if (thread.joinable())
            thread.join();
    }

    /// A regular file of the given size is complete at path.
    void Written(const std::string &path, la_int64_t bytes)
    {
        std::lock_guard<std::mutex> g(lock);
        if (!thread.joinable())
            return;
        files.push_back(path);
        pending += bytes;
        if (pending >= kWriteBackBytes)
            wake.notify_all();
    }

private:
    void Run()
    {
        std::vector<std::string> batch;
        std::unique_lock<std::mutex> g(lock);
        for (;;) {
            wake.wait(g, [this] { return stop || pending >= kWriteBackBytes; });
            if (stop)
                return;
            pending = 0;
            batch.clear();
            batch.swap(files);
            g.unlock();
            for (const std::string &path : batch) {
                const int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
                if (fd >= 0) {
                    sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
                    close(fd);
                }
            }
            g.lock();
        }
    }

    std::mutex lock;
    std::condition_variable wake;
    std::vector<std::string> files;
    la_int64_t pending = 0;
    bool stop = false;
    std::thread thread;
};

// What the counting thread tells the extraction: `known` once the count has
// read its first entry or ended; `total` once it has ended.
struct CountState {
    std::mutex lock;
    std::condition_variable changed;
    bool known = false;
    bool done = false;
    int total = 0;

    void first_entry()
    {
        std::lock_guard<std::mutex> g(lock);
        known = true;
        changed.notify_all();
    }

    void finish(int count)
    {
        std::lock_guard<std::mutex> g(lock);
        known = true;
        done = true;
        total = count;
        changed.notify_all();
    }
};

// The counting pass: the number of entries, or -1 when the archive cannot be
// opened. When state is given, it hears of the first entry and of the end.
// Every message it logs comes before its first entry is read.
int count_entries(const ustring &source, CountState *state)
{
    struct archive *a = open_listing_reader(source);
    if (a == nullptr)
        return -1;
    int count = 0;
    struct archive_entry *entry;
    while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
        if (++count == 1 && state != nullptr)
            state->first_entry();
        archive_read_data_skip(a);
    }
    archive_read_free(a);
    return count;
}

// Counts on a thread of its own while the extraction proceeds, so that the
// archive is decompressed twice at once instead of one pass after the other.
// Without a thread to be had it counts on the caller's thread.
class BackgroundCount
{
public:
    explicit BackgroundCount(const ustring &source) : source(source)
    {
        try {
            thread = std::thread([this] { state.finish(count_entries(this->source, &state)); });
        } catch (const std::system_error &) {
            state.finish(count_entries(this->source, nullptr));
        }
    }

    ~BackgroundCount()
    {
        if (thread.joinable())
            thread.join();
    }

    /// Waits until an entry may be written: the count has read its first entry
    /// (so it cannot end at 0) or has ended. Returns the total once ended, else 1.
    int WaitUntilKnown()
    {
        std::unique_lock<std::mutex> g(state.lock);
        state.changed.wait(g, [this] { return state.known; });
        return state.done ? state.total : 1;
    }

    /// The total, or 0 while the count still runs.
    int TotalIfDone()
    {
        std::lock_guard<std::mutex> g(state.lock);
        return state.done ? state.total : 0;
    }

    /// Waits for the end of the count and returns the total.
    int Total()
    {
        std::unique_lock<std::mutex> g(state.lock);
        state.changed.wait(g, [this] { return state.done; });
        return state.total;
    }

private:
    const ustring source;
    CountState state;
    std::thread thread;
};

// Progress of the extraction, told once the total is known: the steps of the
// entries written before it are reported then, in order. Steps are told in
// bursts of a half percent of the total, or after kProgressInterval at the
// latest: each step becomes an event for the GUI thread, and waking it for
// every small file costs the extraction more than the dialog gains.
class ProgressReport
{
public:
    explicit ProgressReport(BackgroundCount &count) : count(count) {}

    /// One more entry is written.
    void Step()
    {
        ++written;
        if (total == 0) {
            total = count.TotalIfDone();
            if (total == 0)
                return;
            burst = total / 200;
        }
        const auto now = std::chrono::steady_clock::now();
        if (written - reported > burst || now - last_flush >= kProgressInterval) {
            last_flush = now;
            Flush();
        }
    }

    /// Waits for the total when steps are still to be reported, and reports them.
    void Finish()
    {
        if (total == 0 && written > 0)
            total = count.Total();
        Flush();
    }

private:
    void Flush()
    {
        while (reported < written)
            Notify_Adapter::GetInstance().UpdateProgress(total, ++reported);
    }

    BackgroundCount &count;
    int total = 0;
    int written = 0;
    int reported = 0;
    int burst = 0;
    std::chrono::steady_clock::time_point last_flush;
};

} // namespace

void Extractor::SetTarget(const ustring &t)
{
    target = t;
}

void Extractor::SetSource(const ustring &s)
{
    source = s;
}

int Extractor::Count()
{
    if (target.empty() || source.empty()) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Invalid argument\n");
        return -1;
    }
    return count_entries(source, nullptr);
}

int Extractor::Extract()
{
    int ret = -1;
    if (source.empty() || target.empty()) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n");
        return -1;
    }
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n",
            source.c_str(), target.c_str());
    Notify_Adapter::GetInstance().UpdateDialogText(StrTable::LoadStr(45));

    // The count runs beside the extraction. Nothing is written before it has
    // read its first entry: an archive it cannot open, or one without entries,
    // still fails here with its messages first and nothing on disk.
    BackgroundCount count(source);
    const int total = count.WaitUntilKnown();
    if (total <= 0) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] extractor(%d): Failed to calculate total file numbers, ret: %d\n", total);
        return -1;
    }

    struct archive *reader = archive_read_new();
    if (reader == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Allocate extractor failed\n");
        return -1;
    }
    struct archive *writer = archive_write_disk_new();
    if (writer == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Allocate extractor failed\n");
        archive_read_free(reader);
        return -1;
    }
    archive_write_disk_set_options(writer, kDiskOptions);
    archive_read_support_filter_all(reader);
    archive_read_support_format_all(reader);

    ProgressReport progress(count);
    if (archive_read_open_filename(reader, source.c_str(), kBlockSize) != ARCHIVE_OK) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Failed to read file '%s' ('%s')\n",
                source.c_str(), error_text(reader));
    } else {
        const std::string root(target.c_str());
        LinkGuard guard(root);
        WriteBack write_back;
        std::string path;
        std::string link_path;
        for (;;) {
            struct archive_entry *entry;
            int r = archive_read_next_header(reader, &entry);
            if (r == ARCHIVE_EOF) {
                ret = 0;
                break;
            }
            if (r != ARCHIVE_OK) {
                LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_next_header failed: '%s'\n",
                        error_text(reader));
                break;
            }
            const char *entry_pathname = archive_entry_pathname(entry);
            if (entry_pathname == nullptr) {
                LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_entry_pathname failed");
                break;
            }
            // Joined before the entry is renamed: renaming frees the text
            // entry_pathname points to.
            path.assign(root).append(1, '/').append(entry_pathname);
            const char *const name = path.c_str() + root.size() + 1;
            archive_entry_set_pathname(entry, path.c_str());
            // A hard link names another entry of the package: re-root it the
            // same way, or libarchive would resolve it against the current folder.
            const char *link = archive_entry_hardlink(entry);
            const bool is_link = link != nullptr;
            if (is_link) {
                link_path.assign(root).append(1, '/').append(link);
                archive_entry_set_hardlink(entry, link_path.c_str());
            }
            const bool is_dir = archive_entry_filetype(entry) == AE_IFDIR;
            if (!guard.StaysInside(path, is_dir) || (is_link && !guard.LinkStaysInside(link_path))) {
                LOG_MSG(L_ERR, kComp,
                        "[ERROR] extractor(%d): '%s' leads outside '%s' through a symbolic link\n",
                        name, target.c_str());
                break;
            }
            // Warnings count as failures: a refused ".." entry is only a warning.
            if (archive_read_extract2(reader, entry, writer) != ARCHIVE_OK) {
                LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n",
                        error_text(writer));
                break;
            }
            guard.Written(is_dir);
            progress.Step();
            if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
                LOG_MSG(L_ERR, kComp,
                        "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                        error_text(writer));
                break;
            }
            if (archive_entry_filetype(entry) == AE_IFREG)
                write_back.Written(path, archive_entry_size(entry));
        }
    }
    archive_read_free(reader);
    archive_write_free(writer);
    // The steps of entries written before the count ended are still owed.
    progress.Finish();
    return ret;
}

int Extractor::List()
{
    if (target.empty() || source.empty()) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Invalid argument\n");
        return -1;
    }
    struct archive *a = open_listing_reader(source);
    if (a == nullptr)
        return -1;
    struct archive_entry *entry;
    while (archive_read_next_header(a, &entry) == ARCHIVE_OK) {
        const char *name = archive_entry_pathname(entry);
        std::printf("%s\n", name ? name : "");
        archive_read_data_skip(a);
    }
    std::fflush(stdout);
    archive_read_close(a);
    archive_read_free(a);
    return 0;
}

int Extractor::copy_data(struct archive *ar, struct archive *aw)
{
    if (ar == nullptr || aw == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n");
        return -1;
    }
    for (;;) {
        const void *buff;
        size_t size;
        la_int64_t offset;
        int r = archive_read_data_block(ar, &buff, &size, &offset);
        if (r == ARCHIVE_EOF)
            return 0;
        if (r != ARCHIVE_OK) {
            LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_data_block failed: '%s'\n",
                    error_text(ar));
            return -1;
        }
        if (archive_write_data_block(aw, buff, size, offset) != ARCHIVE_OK) {
            LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_write_data_block failed: '%s'\n",
                    error_text(aw));
            return -1;
        }
    }
}
