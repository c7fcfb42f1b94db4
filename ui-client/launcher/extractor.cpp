#include "extractor.h"

#include "adapter.h"
#include "log.h"
#include "texts/strtab.h"

#include <archive.h>
#include <archive_entry.h>

#include <climits>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <system_error>
#include <thread>
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

// Files from this size on are sent to the disk as soon as they are complete.
const la_int64_t kWriteBackSize = 1 << 20;

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

// Starts writing a finished file to disk without waiting for it, so that the
// flush that follows the extraction finds little left to write. A hint only:
// a file that cannot be opened is simply left to that flush.
void start_write_back(const ustring &path)
{
    int fd = open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        return;
    sync_file_range(fd, 0, 0, SYNC_FILE_RANGE_WRITE);
    close(fd);
}

bool is_within(const char *path, const ustring &root)
{
    size_t n = root.length();
    return ustring(path).compare(root, n) == 0 && (path[n] == 0 || path[n] == '/' || n == 1);
}

// True unless a folder on the way from the target down to path (and path
// itself when check_last is set) exists as a symbolic link that resolves
// outside the target: following it would write outside the user's copy.
// Folders that do not exist yet are created as real folders by libarchive.
// real_target is resolved on the first link met, when the target exists.
bool stays_inside(const ustring &path, const ustring &target, ustring &real_target,
                  bool check_last)
{
    size_t pos = target.length();
    for (;;) {
        size_t next = path.find('/', pos + 1);
        if (next == ustring::npos && !check_last)
            return true;
        ustring prefix = next == ustring::npos ? path : path.substr(0, next);
        struct stat st;
        if (lstat(prefix.c_str(), &st) != 0)
            return true;
        if (S_ISLNK(st.st_mode)) {
            char real[PATH_MAX];
            if (real_target.empty()) {
                if (realpath(target.c_str(), real) == nullptr)
                    return false;
                real_target = real;
            }
            if (realpath(prefix.c_str(), real) == nullptr || !is_within(real, real_target))
                return false;
        }
        if (next == ustring::npos)
            return true;
        pos = next;
    }
}


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
    int opened = ARCHIVE_FATAL;
    struct archive *a = open_reader(source, &opened);
    if (a == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Allocate archive failed\n");
        return -1;
    }
    if (opened != ARCHIVE_OK) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
                error_text(a));
        archive_read_free(a);
        return -1;
    }
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
// entries written before it are reported then, in order.
class ProgressReport
{
public:
    explicit ProgressReport(BackgroundCount &count) : count(count) {}

    /// One more entry is written.
    void Step()
    {
        ++written;
        if (total == 0)
            total = count.TotalIfDone();
        Flush();
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
        if (total == 0)
            return;
        while (reported < written)
            Notify_Adapter::GetInstance().UpdateProgress(total, ++reported);
    }

    BackgroundCount &count;
    int total = 0;
    int written = 0;
    int reported = 0;
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
        ustring real_target;
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
            // Copied: renaming the entry frees the text it points to.
            const ustring name(entry_pathname);
            const ustring path = target + "/" + name;
            archive_entry_set_pathname(entry, path.c_str());
            // A hard link names another entry of the package: re-root it the
            // same way, or libarchive would resolve it against the current folder.
            const char *link = archive_entry_hardlink(entry);
            const bool is_link = link != nullptr;
            ustring link_path;
            if (is_link) {
                link_path = target + "/" + link;
                archive_entry_set_hardlink(entry, link_path.c_str());
            }
            const bool is_dir = archive_entry_filetype(entry) == AE_IFDIR;
            if (!stays_inside(path, target, real_target, is_dir) ||
                (is_link && !stays_inside(link_path, target, real_target, false))) {
                LOG_MSG(L_ERR, kComp,
                        "[ERROR] extractor(%d): '%s' leads outside '%s' through a symbolic link\n",
                        name.c_str(), target.c_str());
                break;
            }
            // Warnings count as failures: a refused ".." entry is only a warning.
            if (archive_read_extract2(reader, entry, writer) != ARCHIVE_OK) {
                LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_extract2 failed: '%s'\n",
                        error_text(writer));
                break;
            }
            progress.Step();
            if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
                LOG_MSG(L_ERR, kComp,
                        "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                        error_text(writer));
                break;
            }
            if (archive_entry_filetype(entry) == AE_IFREG &&
                archive_entry_size(entry) >= kWriteBackSize)
                start_write_back(path);
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
    int opened = ARCHIVE_FATAL;
    struct archive *a = open_reader(source, &opened);
    if (a == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Allocate archive failed\n");
        return -1;
    }
    if (opened != ARCHIVE_OK) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): archive_read_open_filename failed: '%s'\n",
                error_text(a));
        archive_read_free(a);
        return -1;
    }
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
