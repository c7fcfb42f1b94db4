#include "file/file-op.h"

#include "log.h"
#include "tmp_name_gen.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/time.h>
#include <unistd.h>

namespace
{

const char kComp[] = "file_op_debug";

const size_t kCopyBufSize = 33554432; // 32 MiB per read

const mode_t kDefaultMode = static_cast<mode_t>(-1);

// File-system magic numbers, as statfs(2) reports them.
const uint32_t kNfsMagic = 0x6969;
const uint32_t kCifsMagic = 0xFF534D42;
const uint32_t kMsdosMagic = 0x4D44;

// f_type is a signed word on some ABIs; the magic numbers are 32 bits.
uint32_t FsType(const struct statfs &fs)
{
    return static_cast<uint32_t>(fs.f_type);
}

FILE_TYPE TypeOfMode(mode_t mode)
{
    if (S_ISREG(mode))
        return FT_FILE;
    if (S_ISDIR(mode))
        return FT_DIR;
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FT_DEV;
    if (S_ISLNK(mode))
        return FT_SLINK;
    if (S_ISFIFO(mode))
        return FT_FIFO;
    if (S_ISSOCK(mode))
        return FT_SOCK;
    return FT_ERR;
}

FILE_TYPE TypeOfDirent(unsigned char d_type)
{
    switch (d_type) {
    case DT_FIFO:
        return FT_FIFO;
    case DT_CHR:
    case DT_BLK:
        return FT_DEV;
    case DT_DIR:
        return FT_DIR;
    case DT_REG:
        return FT_FILE;
    case DT_LNK:
        return FT_SLINK;
    case DT_SOCK:
        return FT_SOCK;
    default:
        return FT_ERR;
    }
}

bool IsDotOrDotDot(const ustring &name)
{
    return name == "." || name == "..";
}

bool IsNoSpace(int err)
{
    return err == ENOSPC || err == EDQUOT;
}

// Makes room for a move onto to the way rename() would: an existing entry that
// is not a directory is replaced.
int RemoveNonDirectory(const ustring &to)
{
    FILE_INFO info;
    if (GetFileInfo(to, info) != 0)
        return -1;
    if (info.isExist && info.type != FT_DIR && remove(to.c_str()) != 0)
        return -1;
    return 0;
}

int MoveDirectoryAcross(const ustring &from, const ustring &to, bool do_case_check)
{
    if (FSMKDir(to, true) != 0)
        return -3;
    DIR_HANDLE dh;
    if (FSOpenDir(from, 0, dh) != 0)
        return -3;
    DIR_ENTRY entry;
    // A read error ends the listing; removing the non-empty source then fails.
    while (FSReadDir(dh, entry) == 1) {
        if (IsDotOrDotDot(entry.name))
            continue;
        if (FSRename(from + "/" + entry.name, to + "/" + entry.name, do_case_check) != 0) {
            FSCloseDir(dh);
            return -3;
        }
    }
    FSCloseDir(dh);
    return remove(from.c_str()) == 0 ? 0 : -3;
}

int MoveLinkAcross(const ustring &from, const ustring &to)
{
    ustring target;
    if (FSReadSymbolicLink(from, target) != 0)
        return -3;
    if (RemoveNonDirectory(to) != 0 || FSCreateSymbolicLink(target, to) != 0)
        return -3;
    return remove(from.c_str()) == 0 ? 0 : -3;
}

int MoveFifoAcross(const ustring &from, const ustring &to, mode_t mode)
{
    if (RemoveNonDirectory(to) != 0)
        return -3;
    const mode_t perms = mode & 07777;
    if (mkfifo(to.c_str(), perms) != 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSRename: mkfifo(%s): %s (%d)\n", to.c_str(),
                strerror(err), err);
        return -3;
    }
    // mkfifo() applied the umask; the moved pipe keeps the source's bits.
    chmod(to.c_str(), perms);
    return remove(from.c_str()) == 0 ? 0 : -3;
}

void LogOpenFailure(const ustring &path, int err)
{
    LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: open(%s): %s (%d)\n", path.c_str(),
            strerror(err), err);
}

void LogFstatFailure(const ustring &path, int err)
{
    LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: fstat(%s): %s (%d)\n", path.c_str(),
            strerror(err), err);
}

// Syncs and closes the copy's destination, keeping the first failure in result.
void FinishCopyDestination(int fd, const ustring &dst, bool is_regular, int &result)
{
    // Pipes and character devices cannot be synced (EINVAL); nothing of theirs
    // waits on a disk.
    if (fsync(fd) != 0 && (is_regular || errno != EINVAL)) {
        int err = errno;
        if (result == 0) {
            LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: fsync(%s): %s (%d)\n",
                    dst.c_str(), strerror(err), err);
            result = IsNoSpace(err) ? -2 : -1;
        }
    }
    if (close(fd) != 0) {
        int err = errno;
        if (result == 0) {
            LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: close(%s): %s (%d)\n",
                    dst.c_str(), strerror(err), err);
            result = IsNoSpace(err) ? -2 : -1;
        }
    }
}

// Copies everything from in to out; 0, -1, or -2 for no space.
int CopyBytes(int in, int out)
{
    char *buf = static_cast<char *>(malloc(kCopyBufSize));
    if (buf == nullptr) {
        int err = errno;
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSCopy: malloc(%d): %s (%d)\n",
                static_cast<int>(kCopyBufSize), strerror(err), err);
        return -1;
    }
    int result = 0;
    for (;;) {
        ssize_t n = read(in, buf, kCopyBufSize);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            int err = errno;
            LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: read: %s (%d)\n", strerror(err),
                    err);
            result = -1;
            break;
        }
        if (n == 0)
            break;
        ssize_t done = 0;
        while (done < n) {
            ssize_t w = write(out, buf + done, static_cast<size_t>(n - done));
            if (w < 0 && errno == EINTR)
                continue;
            if (w <= 0) {
                // A write of nothing sets no errno; it is still data not stored.
                int err = w == 0 ? EIO : errno;
                LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: write: %s (%d)\n",
                        strerror(err), err);
                result = IsNoSpace(err) ? -2 : -1;
                break;
            }
            done += w;
        }
        if (result != 0)
            break;
    }
    free(buf);
    return result;
}

} // namespace

_FILE_INFO_tag::_FILE_INFO_tag()
    : type(FT_ERR), mtime(0), size(0), isExist(false), uid(0), gid(0), mode(0), dev_id(0)
{
}

bool operator==(const FILE_INFO &a, const FILE_INFO &b)
{
    return a.isExist == b.isExist && a.size == b.size && a.mtime == b.mtime && a.type == b.type &&
           a.path == b.path && a.name == b.name;
}

bool operator!=(const FILE_INFO &a, const FILE_INFO &b)
{
    return !(a == b);
}

int GetFileInfo(const ustring &path, FILE_INFO &info)
{
    struct stat st;
    if (lstat(path.c_str(), &st) != 0) {
        if (errno != ENOENT)
            return -1;
        info.isExist = false;
        info.mtime = 0;
        info.name = FSBaseName(path);
        info.path = path;
        info.size = 0;
        info.type = FT_ERR;
        info.uid = 0;
        info.gid = 0;
        info.mode = 0;
        info.dev_id = 0;
        return 0;
    }
    info.isExist = true;
    info.mtime = static_cast<uint32_t>(st.st_mtime);
    info.name = FSBaseName(path);
    info.path = path;
    info.size = static_cast<uint64_t>(st.st_size);
    info.dev_id = static_cast<uint64_t>(st.st_dev);
    info.uid = st.st_uid;
    info.gid = st.st_gid;
    info.mode = st.st_mode;
    FILE_TYPE type = TypeOfMode(st.st_mode);
    if (type == FT_ERR)
        return -1;
    info.type = type;
    return 0;
}

bool IsFileExist(const ustring &path, bool /*do_case_check*/)
{
    if (path.empty())
        return false;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0)
        return false;
    return info.isExist;
}

int FSStat(const ustring &path, FILE_INFO &info, bool /*do_case_check*/)
{
    if (path.empty())
        return -1;
    return GetFileInfo(path, info) == 0 ? 0 : -2;
}

int FSCopy(const ustring &src, const ustring &dst, bool isDelOrigin)
{
    // O_NONBLOCK only for the open: a FIFO without a writer would block it
    // for good. The reads block as usual.
    int in = open(src.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (in < 0) {
        LogOpenFailure(src, errno);
        return -1;
    }
    int in_flags = fcntl(in, F_GETFL);
    if (in_flags == -1 || fcntl(in, F_SETFL, in_flags & ~O_NONBLOCK) == -1) {
        LogOpenFailure(src, errno);
        close(in);
        return -1;
    }
    struct stat in_st;
    if (fstat(in, &in_st) != 0) {
        LogFstatFailure(src, errno);
        close(in);
        return -1;
    }
    if (S_ISDIR(in_st.st_mode)) {
        // A directory opens but cannot be read; fail before dst is touched.
        LogOpenFailure(src, EISDIR);
        close(in);
        return -1;
    }

    // Opened without O_TRUNC: dst may be src under another name or a hard link,
    // and must not be emptied before that is ruled out.
    int out = open(dst.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0666);
    if (out < 0) {
        LogOpenFailure(dst, errno);
        close(in);
        return -1;
    }
    struct stat out_st;
    if (fstat(out, &out_st) != 0) {
        LogFstatFailure(dst, errno);
        close(in);
        close(out);
        return -1;
    }
    if (in_st.st_dev == out_st.st_dev && in_st.st_ino == out_st.st_ino) {
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: '%s' and '%s' are the same file\n",
                src.c_str(), dst.c_str());
        close(in);
        close(out);
        return -1;
    }

    const bool out_regular = S_ISREG(out_st.st_mode);
    int result = 0;
    if (out_regular && ftruncate(out, 0) != 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): CopyFile: ftruncate(%s): %s (%d)\n",
                dst.c_str(), strerror(err), err);
        result = -1;
    }
    if (result == 0)
        result = CopyBytes(in, out);
    close(in);
    FinishCopyDestination(out, dst, out_regular, result);

    if (result == 0 && isDelOrigin && remove(src.c_str()) != 0)
        result = -1;
    return result;
}

int FSMKDir(const ustring &path, bool isCreateParent)
{
    if (path.empty())
        return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0) {
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSMKDir: Failed to to file info '%s'\n",
                path.c_str());
        return -1;
    }
    if (info.isExist) {
        if (info.type == FT_DIR)
            return 0;
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): FSMKDir: Create a folder but local file system is not "
                "directory '%s' (%d)\n",
                path.c_str(), static_cast<int>(info.type));
        return -1;
    }
    int r =
        isCreateParent ? FSMKDirP(path, nullptr, false, kDefaultMode) : mkdir(path.c_str(), 0777);
    return r == 0 ? 0 : -2;
}

int FSMKDirP(const ustring &path, char **endptr, bool blForceCreate, mode_t mode)
{
    if (path.empty())
        return -1;
    char *work = strdup(path.c_str());
    if (work == nullptr)
        return -1;

    const bool explicit_mode = mode != kDefaultMode;
    const mode_t create_mode = explicit_mode ? mode : 0777;
    const mode_t old_umask = explicit_mode ? umask(0) : 0;

    const size_t len = path.length();
    size_t pos = work[0] == '/' ? 1 : 0;
    size_t end = pos;
    int result = 0;
    for (;;) {
        const char *slash = strchr(work + pos, '/');
        end = slash != nullptr ? static_cast<size_t>(slash - work) : len;
        const bool last = end == len || end + 1 == len;

        const char saved = work[end];
        work[end] = '\0';
        struct stat st;
        if (stat(work, &st) != 0) {
            if (mkdir(work, create_mode) != 0)
                result = -1;
        } else if (!S_ISDIR(st.st_mode)) {
            if (blForceCreate) {
                if (remove(work) != 0 || mkdir(work, create_mode) != 0)
                    result = -1;
            } else if (last) {
                LOG_MSG(L_INFO, kComp,
                        "[INFO] file-op(%d): FSMKDirP: path: %s is existing file or symbolic "
                        "link pointed to file\n",
                        work);
                // After the log line, whose writing may change errno.
                errno = EEXIST;
                result = -1;
            } else {
                LOG_MSG(L_INFO, kComp,
                        "[INFO] file-op(%d): FSMKDirP: path: %s is symbolic link pointed to "
                        "folder\n",
                        work);
            }
        }
        work[end] = saved;
        if (result != 0 || last)
            break;
        pos = end + 1;
    }

    if (explicit_mode) {
        // Keep the failure's errno for the caller across the umask restore.
        int err = errno;
        umask(old_umask);
        errno = err;
    }
    free(work);
    // Into the caller's own text: the working copy is gone.
    if (endptr != nullptr)
        *endptr = const_cast<char *>(path.c_str()) + end;
    return result;
}

int FSRename(const ustring &from, const ustring &to, bool do_case_check)
{
    if (from.empty() || to.empty())
        return -1;
    FILE_INFO info;
    if (FSStat(from, info, do_case_check) != 0 || !info.isExist)
        return -2;
    if (rename(from.c_str(), to.c_str()) == 0)
        return 0;
    int err = errno;
    if (err == ENAMETOOLONG)
        return -100;
    if (err != EXDEV)
        return -3;

    switch (info.type) {
    case FT_FILE:
        return FSCopy(from, to, true) < 0 ? -3 : 0;
    case FT_DIR:
        return MoveDirectoryAcross(from, to, do_case_check);
    case FT_SLINK:
        return MoveLinkAcross(from, to);
    case FT_FIFO:
        return MoveFifoAcross(from, to, info.mode);
    default:
        // A device node or a socket cannot be carried to another file system
        // faithfully; it stays where it is.
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): FSRename: Cannot move '%s' of type %d to another file "
                "system '%s'\n",
                from.c_str(), static_cast<int>(info.type), to.c_str());
        return -3;
    }
}

int FSRemove(const ustring &path, bool /*allowundo*/)
{
    if (path.empty())
        return -1;
    FILE_INFO info;
    if (GetFileInfo(path, info) != 0)
        return -1;
    if (!info.isExist)
        return 0;
    if (info.type == FT_DIR) {
        DIR_HANDLE dh;
        // A directory that cannot be listed stays: that is no removal.
        if (FSOpenDir(path, 0, dh) != 0)
            return -3;
        DIR_ENTRY entry;
        // A read error ends the listing; removing the non-empty folder then fails.
        while (FSReadDir(dh, entry) == 1) {
            if (IsDotOrDotDot(entry.name))
                continue;
            if (FSRemove(path + "/" + entry.name, false) != 0) {
                FSCloseDir(dh);
                return -3;
            }
        }
        FSCloseDir(dh);
    }
    return remove(path.c_str()) == 0 ? 0 : -3;
}

int FSOpenDir(const ustring &path, int flag, DIR_HANDLE &dh)
{
    DIR *dp = opendir(path.c_str());
    if (dp == nullptr) {
        int err = errno;
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to open directory '%s'. %s\n",
                path.c_str(), strerror(err));
        return -1;
    }
    dh.dp = dp;
    dh.path = path;
    dh.flag = flag;
    return 0;
}

int FSReadDir(DIR_HANDLE &dh, DIR_ENTRY &entry)
{
    if (dh.dp == nullptr) {
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
                dh.path.c_str(), strerror(EBADF));
        return -1;
    }
    // readdir() rather than the deprecated readdir_r(): a handle's stream is
    // read by its one owner, and glibc keeps separate streams independent.
    errno = 0;
    struct dirent *de = readdir(dh.dp);
    if (de == nullptr) {
        int err = errno;
        if (err == 0)
            return 0;
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to read directory '%s'. %s\n",
                dh.path.c_str(), strerror(err));
        return -1;
    }
    if (dh.flag & 1) {
        ustring child = dh.path + "/" + de->d_name;
        FILE_INFO info;
        if (FSStat(child, info, false) != 0) {
            LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): FSOpenDir: Failed to get info for '%s'\n",
                    child.c_str());
            return -1;
        }
        entry.mtime = info.mtime;
        entry.size = info.size;
    } else {
        entry.mtime = 0;
        entry.size = 0;
    }
    entry.name = de->d_name;
    entry.type = TypeOfDirent(de->d_type);
    return 1;
}

void FSCloseDir(DIR_HANDLE &dh)
{
    if (dh.dp != nullptr) {
        closedir(dh.dp);
        dh.dp = nullptr;
    }
    dh.path.clear();
}

ustring FSBaseName(const ustring &path)
{
    size_t pos = path.rfind("/", ustring::npos);
    if (pos == ustring::npos)
        return path;
    if (pos + 1 == path.length())
        return ustring();
    return path.substr(pos + 1);
}

// ---- utilities ----------------------------------------------------------------

ustring FSParentPath(const ustring &path)
{
    size_t pos = path.rfind("/", ustring::npos);
    if (pos == ustring::npos || pos == 0)
        return ustring("/");
    return path.substr(0, pos);
}

bool FSIsParentFolder(const ustring &parent, const ustring &child)
{
    const size_t n = parent.length();
    if (n > child.length())
        return false;
    const char next = child[n];
    return (next == '\0' || next == '/') && parent.compare(child, n) == 0;
}

int FSMKDirFromRoot(const ustring &path, const ustring &from)
{
    if (from.length() > path.length()) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): Giving a root '%s' whose length is larger then target's "
                "'%s'.\n",
                from.c_str(), path.c_str());
        return -1;
    }
    if (!FSIsParentFolder(from, path)) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): root '%s' is not a parent folder of target '%s'\n",
                from.c_str(), path.c_str());
        return -1;
    }
    const ustring relative = path.substr(from.length());
    ustring created;
    while (created != relative) {
        size_t slash = relative.find("/", created.length() + 1);
        created = relative.substr(0, slash);
        LOG_MSG(L_DEBUG, kComp, "[DEBUG] file-op(%d): FSMKDirFromRoot: create %s\n",
                created.c_str());
        if (FSMKDir(from + created, false) < 0)
            return -1;
    }
    return 0;
}

int FSMktemp(const ustring &prefix, ustring &path)
{
    char pattern[4096];
    int n = snprintf(pattern, sizeof(pattern), "%s/XXXXXX", prefix.c_str());
    // mkstemp() fills in its template even when it fails; the log names the
    // pattern asked for.
    char name[sizeof(pattern)];
    memcpy(name, pattern, sizeof(name));
    int fd = -1;
    // A cut pattern would no longer end in the six placeholders, or would name
    // something beside the folder meant.
    if (n < 0 || static_cast<size_t>(n) >= sizeof(pattern))
        errno = ENAMETOOLONG;
    else
        fd = mkstemp(name);
    if (fd < 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp, "[ERROR] file-op(%d): mkstemp(%s): %s\n", pattern, strerror(err));
        return -1;
    }
    fchmod(fd, 0644);
    close(fd);
    path = name;
    return 0;
}

int FSCreateTempPath(const ustring &prefix, ustring &path)
{
    path = TmpNameGen::getInstance().getTmpPath(prefix);
    return path.empty() ? -1 : 0;
}

int FSUTime(const ustring &path, time_t atime, time_t mtime)
{
    struct timeval tv[2];
    tv[0].tv_sec = atime;
    tv[0].tv_usec = 0;
    tv[1].tv_sec = mtime;
    tv[1].tv_usec = 0;
    return lutimes(path.c_str(), tv) == 0 ? 0 : -1;
}

int FSGetRealPath(ustring &path)
{
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] file-op(%d):  org path [%s]\n", path.c_str());
    char buf[8192];
    if (realpath(path.c_str(), buf) == nullptr)
        return -1;
    path = buf;
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] file-op(%d):  get full path [%s]\n", path.c_str());
    return 0;
}

int FSCreateSymbolicLink(const ustring &target_path, const ustring &link_path)
{
    if (symlink(target_path.c_str(), link_path.c_str()) != 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): FSCreateSymbolicLink: Failed to create symbolic link '%s' "
                "-> '%s' (code: %d, msg: %s)\n",
                target_path.c_str(), link_path.c_str(), err, strerror(err));
        return -1;
    }
    return 0;
}

int FSReadSymbolicLink(const ustring &link_path, ustring &target_path)
{
    char buf[4096];
    ssize_t n = readlink(link_path.c_str(), buf, sizeof(buf));
    // readlink() does not terminate, and a full buffer may hold a cut text.
    if (n >= static_cast<ssize_t>(sizeof(buf))) {
        n = -1;
        errno = ENAMETOOLONG;
    }
    if (n < 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): FSReadSymbolicLink: Failed to read symbolic link '%s' "
                "(code: %d, msg: %s)\n",
                link_path.c_str(), err, strerror(err));
        return -1;
    }
    target_path.assign(buf, static_cast<size_t>(n));
    return 0;
}

int FSChown(const ustring &path, uid_t owner, gid_t group)
{
    if (fchownat(AT_FDCWD, path.c_str(), owner, group, AT_SYMLINK_NOFOLLOW) != 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): FSChown: Failed to chown '%s' (code: %d, msg: %s)\n",
                path.c_str(), err, strerror(err));
        return -1;
    }
    return 0;
}

bool FSTimeEqual(time_t a, time_t b)
{
    return a == b;
}

bool isFileLocked(const ustring &path, int flag)
{
    if (access(path.c_str(), flag) == 0)
        return false;
    return errno == EPERM || errno == EACCES;
}

bool hasFilePermission(const ustring &path, int flag)
{
    return !isFileLocked(path, flag);
}

bool isMountPoint(const ustring &path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): isMountPoint: Failed to get file system info '%s'. %s\n",
                path.c_str(), strerror(err));
        return false;
    }
    return FsType(fs) == kNfsMagic || FsType(fs) == kCifsMagic;
}

bool IsMSDOS(const ustring &path)
{
    struct statfs fs;
    if (statfs(path.c_str(), &fs) != 0) {
        int err = errno;
        LOG_MSG(L_ERR, kComp,
                "[ERROR] file-op(%d): IsSupportLargeFile: Failed to get file system info '%s'. "
                "%s\n",
                path.c_str(), strerror(err));
        return false;
    }
    if (FsType(fs) == kMsdosMagic) {
        LOG_MSG(L_WARNING, kComp, "[WARNING] file-op(%d): Detect a MSDOS platform for path '%s'.\n",
                path.c_str());
        return true;
    }
    return false;
}
