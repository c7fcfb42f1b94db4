#ifndef ORVANTA_FILE_OP_H
#define ORVANTA_FILE_OP_H

#include "ustring/ustring.h"

#include <cstdint>
#include <ctime>
#include <dirent.h>
#include <sys/types.h>

/// File-system operations over POSIX calls, with paths as ustring.
///
/// int results are 0 for success and a negative code for failure (the codes
/// are given with each function); tests return bool. Failures are logged with
/// the component "file_op_debug". No function keeps state or takes a lock, so
/// threads may work on unrelated paths at once.

typedef enum _FILE_TYPE_tag {
    FT_ERR = 0,   ///< a type outside this list, or the path does not exist
    FT_FILE = 1,  ///< regular file
    FT_DIR = 2,   ///< directory
    FT_SLINK = 3, ///< symbolic link (links are never followed when typing a path)
    FT_HLINK = 4, ///< declared only; nothing produces it
    FT_DEV = 5,   ///< character or block device
    FT_FIFO = 6,  ///< named pipe
    FT_SOCK = 7,  ///< socket
} FILE_TYPE;

/// A path described without following symbolic links.
typedef struct _FILE_INFO_tag {
    ustring path;   ///< as the caller gave it
    ustring name;   ///< FSBaseName(path)
    FILE_TYPE type; ///< type of the path itself
    uint32_t mtime; ///< modification time, seconds since the epoch (low 32 bits)
    uint64_t size;  ///< bytes
    bool isExist;   ///< a dangling symbolic link exists
    uint32_t uid;
    uint32_t gid;
    uint32_t mode;   ///< type and permission bits
    uint64_t dev_id; ///< device that holds the path

    _FILE_INFO_tag();
} FILE_INFO;

/// Compares isExist, size, mtime, type, path and name; owner, mode and device
/// do not take part.
bool operator==(const FILE_INFO &a, const FILE_INFO &b);
bool operator!=(const FILE_INFO &a, const FILE_INFO &b);

/// An open directory listing. Owns its stream from a successful FSOpenDir()
/// until FSCloseDir(); the destructor does not close it.
struct DIR_HANDLE {
    ustring path; ///< the directory that was opened
    int flag;     ///< FSOpenDir() options; bit 0 asks for each entry's time and size
    DIR *dp;      ///< null when not open

    DIR_HANDLE() : flag(0), dp(nullptr) {}
};

/// One entry of a listing.
struct DIR_ENTRY {
    ustring name;   ///< no directory part
    FILE_TYPE type; ///< as the listing reports it (FT_ERR when it does not know)
    uint32_t mtime; ///< 0 unless bit 0 of the handle's flag is set
    uint64_t size;  ///< 0 unless bit 0 of the handle's flag is set

    DIR_ENTRY() : type(FT_ERR), mtime(0), size(0) {}
};

// ---- core operations ----------------------------------------------------------

/// Describes path by lstat. A missing path is described as absent and returns
/// 0; -1 for any other lstat failure (info unchanged) or an unknown file type.
int GetFileInfo(const ustring &path, FILE_INFO &info);

/// Whether path exists (a dangling symbolic link does). do_case_check: no effect.
bool IsFileExist(const ustring &path, bool do_case_check);

/// 0 (also for a missing path: info.isExist is false), -1 empty path (info
/// unchanged), -2 path not typable. do_case_check: no effect.
int FSStat(const ustring &path, FILE_INFO &info, bool do_case_check);

/// Copies the bytes of src to dst (created 0666 less the umask, or truncated)
/// and syncs dst. No permissions, owner or times are carried over. With
/// isDelOrigin src is removed, but only after dst is synced and closed.
/// 0; -2 no space (ENOSPC, EDQUOT); -1 any other failure, also when src and
/// dst are the same file (it is left intact) or src is a directory.
/// A partly written dst stays after a failure; src always stays then. A FIFO
/// source without a writer gives an empty copy rather than blocking.
int FSCopy(const ustring &src, const ustring &dst, bool isDelOrigin);

/// Creates the directory path (0777 less the umask), with its missing parents
/// when isCreateParent is set. 0 created or already a directory; -1 empty
/// path, not typable, or exists as something else (a symbolic link included);
/// -2 creation failed.
int FSMKDir(const ustring &path, bool isCreateParent);

/// Creates path and every missing level above it (stat follows links, so a
/// link to a directory counts as one). mode (mode_t)-1 creates with 0777 less
/// the umask; any other mode is applied exactly, the umask being 0 meanwhile,
/// which affects files other threads create at that time. blForceCreate
/// replaces a level that is not a directory. When endptr is given it is left
/// pointing into path's own text, just past the last level handled.
/// 0 or -1.
int FSMKDirP(const ustring &path, char **endptr, bool blForceCreate, mode_t mode);

/// Moves from to to: rename(), or across file systems a copy and removal
/// (a directory is merged into an existing one; a symbolic link or FIFO is
/// recreated). 0; -1 an empty path; -2 from missing or not typable; -3 the
/// move failed (a device or socket cannot be moved across file systems);
/// -100 name too long. do_case_check: no effect.
int FSRename(const ustring &from, const ustring &to, bool do_case_check);

/// Removes path; a directory with everything below it, depth first. A symbolic
/// link is removed as a link. 0 removed or already absent; -1 empty path or
/// not typable; -3 a removal failed (also when a directory cannot be listed,
/// so 0 always means the path is gone). allowundo: no effect.
int FSRemove(const ustring &path, bool allowundo);

/// 0, or -1 with dh unchanged.
int FSOpenDir(const ustring &path, int flag, DIR_HANDLE &dh);
/// 1 an entry read ("." and ".." included), 0 end, -1 error (also for a
/// handle that is not open).
int FSReadDir(DIR_HANDLE &dh, DIR_ENTRY &entry);
/// Closes the stream if open and clears the handle.
void FSCloseDir(DIR_HANDLE &dh);

/// The text after the last "/": the whole path without one, empty when the
/// path ends in "/".
ustring FSBaseName(const ustring &path);

// ---- utilities ----------------------------------------------------------------

/// The text before the last "/"; "/" when there is none or it is the first byte.
ustring FSParentPath(const ustring &path);

/// Whether child is parent or lies below it, by text: parent must be a prefix
/// of child ending where child ends or has a "/". "/" is not the parent of
/// "/a"; the empty parent is the parent of every absolute path.
bool FSIsParentFolder(const ustring &parent, const ustring &child);

/// Creates the levels of path below from, one by one, without touching from
/// itself. -1 when from is not a parent folder of path or a level cannot be
/// made a directory (an existing link stops it).
int FSMKDirFromRoot(const ustring &path, const ustring &from);

/// Creates a new empty file (mode 0644) in the folder prefix and stores its
/// name in path. 0 or -1.
int FSMktemp(const ustring &prefix, ustring &path);

/// prefix + "/" + a random 8-character name in path; nothing is created or
/// checked on disk. 0 or -1.
int FSCreateTempPath(const ustring &prefix, ustring &path);

/// Sets the access and modification times of path itself (links not followed).
int FSUTime(const ustring &path, time_t atime, time_t mtime);

/// Replaces path by its canonical absolute form; -1 with path unchanged.
int FSGetRealPath(ustring &path);

/// Creates link_path as a symbolic link whose text is target_path.
int FSCreateSymbolicLink(const ustring &target_path, const ustring &link_path);

/// The text of the symbolic link link_path into target_path.
int FSReadSymbolicLink(const ustring &link_path, ustring &target_path);

/// Changes owner and group of path itself (a link, not its target); a
/// relative path is taken from the current directory.
int FSChown(const ustring &path, uid_t owner, gid_t group);

bool FSTimeEqual(time_t a, time_t b);

/// True only when access(path, flag) is refused (EPERM, EACCES); a missing
/// path is not locked.
bool isFileLocked(const ustring &path, int flag);
/// !isFileLocked(path, flag): true for a missing path.
bool hasFilePermission(const ustring &path, int flag);

/// Whether path lies on NFS or CIFS.
bool isMountPoint(const ustring &path);
/// Whether path lies on an MS-DOS FAT file system.
bool IsMSDOS(const ustring &path);

#endif
