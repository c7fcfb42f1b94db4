#include "extractor.h"

#include "adapter.h"
#include "log.h"
#include "texts/strtab.h"

#include <archive.h>
#include <archive_entry.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <sys/stat.h>

namespace {

const char *const kComp = "extractor_debug";
const size_t kBlockSize = 10240;

// Replace files in the way; refuse entries with "..". Owners, permissions
// beyond the umask, and times are not restored; missing parents are created.
const int kDiskOptions =
    ARCHIVE_EXTRACT_UNLINK | ARCHIVE_EXTRACT_SECURE_NODOTDOT | ARCHIVE_EXTRACT_MAC_METADATA;

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
        ++count;
        archive_read_data_skip(a);
    }
    archive_read_free(a);
    return count;
}

int Extractor::Extract()
{
    int ret = -1;
    int progress = 0;
    int total = 0;
    if (source.empty() || target.empty()) {
        LOG_MSG(L_ERR, kComp, "[ERROR] extractor(%d): Invalid Argument\n");
        return -1;
    }
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] extractor(%d): decompress from '%s' to '%s'\n",
            source.c_str(), target.c_str());
    Notify_Adapter::GetInstance().UpdateDialogText(StrTable::LoadStr(45));

    total = Count();
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
            ++progress;
            Notify_Adapter::GetInstance().UpdateProgress(total, progress);
            if (archive_write_finish_entry(writer) != ARCHIVE_OK) {
                LOG_MSG(L_ERR, kComp,
                        "[ERROR] extractor(%d): archive_write_finish_entry failed: '%s'\n",
                        error_text(writer));
                break;
            }
        }
    }
    archive_read_free(reader);
    archive_write_free(writer);
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
