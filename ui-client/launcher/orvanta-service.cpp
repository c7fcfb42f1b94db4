#include "orvanta-service.h"

#include "config.h"
#include "extractor.h"
#include "file/file-op.h"
#include "log.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace
{

const char *const kComp = "service_debug";
const int MAX_RENAME_COUNT = 10;

// What the upgrade journal records: the old copy is about to be moved aside
// (pending) or has been, and the new copy is being written (extracting); or
// the new copy is complete and the backups are being removed (cleaning).
const char *const kPending = "pending";
const char *const kExtracting = "extracting";
const char *const kCleaning = "cleaning";
const char *const kNoBackup = "none";

ustring fromQString(const QString &s)
{
    return ustring(s.toUtf8().constData());
}

ustring GetAppBackupDir(const ustring &app_dir, int tries)
{
    ustring backup_dir = app_dir + "_tmp";
    if (tries == 0)
        return backup_dir;
    char tries_str[8];
    if (std::snprintf(tries_str, sizeof tries_str, "%d", tries) < 0) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] orvanta-service(%d): snprintf failed (continuing without postfix)");
        tries_str[0] = 0;
    }
    return backup_dir + tries_str;
}

// The journal sits beside the private copy, on the same file system.
ustring JournalPath(const ustring &app_dir)
{
    return app_dir + ".journal";
}

int SyncFolder(const ustring &dir)
{
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return -1;
    int r = fsync(fd);
    close(fd);
    return r;
}

// Replaces the journal as a whole (written aside, synced, renamed over the
// old one, folder synced), so it is never found half written.
int WriteJournal(const ustring &app_dir, const char *state, const ustring &backup)
{
    const ustring path = JournalPath(app_dir);
    const ustring tmp = path + ".new";
    const ustring text = ustring("# Orvanta.app is being replaced; the launcher restores the backup "
                                 "named here if it finds this file\nstate=") +
                         state + "\nbackup=" + backup + "\n";
    int fd = open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0) {
        LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): cannot write '%s': %s (%d)\n",
                tmp.c_str(), std::strerror(errno), errno);
        return -1;
    }
    bool ok = write(fd, text.c_str(), text.length()) == static_cast<ssize_t>(text.length()) &&
              fsync(fd) == 0;
    int err = errno;
    ok = close(fd) == 0 && ok;
    if (ok && std::rename(tmp.c_str(), path.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): cannot write '%s': %s (%d)\n",
                path.c_str(), std::strerror(err), err);
        std::remove(tmp.c_str());
        return -1;
    }
    SyncFolder(FSParentPath(path));
    return 0;
}

void RemoveJournal(const ustring &app_dir)
{
    const ustring path = JournalPath(app_dir);
    if (std::remove(path.c_str()) == 0)
        SyncFolder(FSParentPath(path));
}

// Flushes everything written to the file system that holds dir.
int SyncFileSystem(const ustring &dir)
{
    int fd = open(dir.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return -1;
    int r = syncfs(fd);
    close(fd);
    return r;
}

// Reads the four keys of group "Version" into the fields given, in key order;
// a key that is absent leaves its field as it was.
void ReadVersionKeys(const ustring &path, ustring *const fields[4])
{
    static const char *const keys[4] = {"major_version", "minor_version", "build_version",
                                        "icon_overlay_version"};
    QSettings settings(QString::fromUtf8(path.c_str()), QSettings::IniFormat);
    settings.beginGroup("Version");
    for (int i = 0; i < 4; ++i) {
        if (settings.contains(keys[i]))
            *fields[i] = fromQString(settings.value(keys[i]).toString());
    }
}

} // namespace

Service::Service() = default;

Service::~Service() = default;

void Service::SetTimeout(int t)
{
    timeout = t;
}

ustring Service::GetUserInstallPath()
{
    return fromQString(QDir::homePath());
}

ustring Service::GetRootOrvantaInstallPath()
{
    return fromQString(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/..")));
}

ustring Service::GetRootOrvantaResourceInstallPath()
{
    return GetRootOrvantaInstallPath() + "";
}

ustring Service::GetUserOrvantaInstallPath()
{
    return GetUserInstallPath() + "/" + ".OrvantaBackup";
}

ustring Service::GetUserOrvantaAppInstallPath()
{
    return GetUserOrvantaInstallPath() + "/" + "Orvanta.app";
}

ustring Service::GetUserOrvantaDataInstallPath()
{
    return GetUserOrvantaInstallPath() + "/" + "data";
}

void Service::LoadSourceVersion()
{
    const ustring path = GetUserOrvantaAppInstallPath() + "/" + "INFO";
    if (!IsFileExist(path, false)) {
        LOG_MSG(L_INFO, kComp, "[INFO] orvanta-service(%d): source does not exist\n");
        return;
    }
    ustring *const fields[4] = {&source_version.major_version, &source_version.minor_version,
                                &source_version.build_version,
                                &source_version.icon_overlay_version};
    ReadVersionKeys(path, fields);
    LOG_MSG(L_INFO, kComp, "[INFO] orvanta-service(%d): source_version = (%s, %s, %s, %s)\n",
            source_version.major_version.c_str(), source_version.minor_version.c_str(),
            source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
}

void Service::LoadTargetVersion()
{
    const ustring path = GetRootOrvantaResourceInstallPath() + "/" + "INFO";
    ustring *const fields[4] = {&target_version.major_version, &target_version.minor_version,
                                &target_version.build_version,
                                &target_version.icon_overlay_version};
    ReadVersionKeys(path, fields);
    LOG_MSG(L_INFO, kComp, "[INFO] orvanta-service(%d): target_version = (%s, %s, %s, %s)\n",
            target_version.major_version.c_str(), target_version.minor_version.c_str(),
            target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

int Service::ExtractPackage()
{
    const ustring src = GetRootOrvantaResourceInstallPath() + "/package/orvanta.ovp";
    const ustring dst = GetUserOrvantaAppInstallPath();
    if (FSMKDir(dst, true) < 0) {
        LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): failed to create folder: '%s'\n",
                dst.c_str());
        return -1;
    }
    LOG_MSG(L_INFO, kComp, "[INFO] orvanta-service(%d): extract package: '%s' -> '%s'\n",
            src.c_str(), dst.c_str());
    Extractor ex;
    ex.SetSource(src);
    ex.SetTarget(dst);
    return ex.Extract();
}

// Every step is recorded in a journal beside the copy before it is taken, so
// that an upgrade cut off at any moment is undone at the next start.
int Service::PrepareUserEnv()
{
    int rename_count = 0;
    const ustring app_dir = per_user_install_path;
    ustring backup_dir;

    if (IsFileExist(JournalPath(app_dir), false)) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] orvanta-service(%d): an interrupted upgrade of '%s' is still not undone, "
                "not upgrading\n",
                app_dir.c_str());
        return -1;
    }

    if (IsFileExist(app_dir, false)) {
        for (;;) {
            backup_dir = GetAppBackupDir(app_dir, rename_count);
            if (WriteJournal(app_dir, kPending, ustring(std::to_string(rename_count))) != 0)
                return -1;
            if (FSRename(app_dir, backup_dir, false) == 0)
                break;
            LOG_MSG(L_ERR, kComp,
                    "[ERROR] orvanta-service(%d): failed to backup app from '%s' -> '%s'\n",
                    app_dir.c_str(), backup_dir.c_str());
            ++rename_count;
            if (rename_count >= MAX_RENAME_COUNT) {
                LOG_MSG(L_ERR, kComp,
                        "[ERROR] orvanta-service(%d): failed to backup app from '%s' -> '%s' at "
                        "max retries, exiting\n",
                        app_dir.c_str(), backup_dir.c_str());
                RemoveJournal(app_dir);
                return -1;
            }
        }
        if (WriteJournal(app_dir, kExtracting, ustring(std::to_string(rename_count))) != 0) {
            // Without the record, a cut-off extraction could not be told from
            // a complete copy: put the old copy back and leave it.
            if (FSRename(backup_dir, app_dir, false) == 0)
                RemoveJournal(app_dir);
            return -1;
        }
    } else if (WriteJournal(app_dir, kExtracting, ustring(kNoBackup)) != 0) {
        return -1;
    }

    int ret = ExtractPackage();
    if (ret == 0 && SyncFileSystem(app_dir) != 0) {
        LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): cannot flush '%s' to disk: %s (%d)\n",
                app_dir.c_str(), std::strerror(errno), errno);
        ret = -1;
    }
    if (ret == 0) {
        LOG_MSG(L_INFO, kComp,
                "[INFO] orvanta-service(%d): user installation is ready, removing backup app\n");
        // Recorded first, so that backups left half removed go at the next start.
        WriteJournal(app_dir, kCleaning, ustring(std::to_string(rename_count)));
        for (int i = 0; i <= rename_count; ++i)
            FSRemove(GetAppBackupDir(app_dir, i), false);
        RemoveJournal(app_dir);
        return 0;
    }

    if (backup_dir.empty()) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] orvanta-service(%d): Failed to extract package, and no old installation "
                "to rollback\n");
        // A half-written first copy would later pass for a complete one.
        if (FSRemove(app_dir, false) == 0)
            RemoveJournal(app_dir);
        return -1;
    }
    LOG_MSG(L_ERR, kComp,
            "[ERROR] orvanta-service(%d): Failed to extract package, rollback to old installation\n");
    FSRemove(app_dir, false);
    // The journal stays when the old copy could not be put back, so that the
    // next start tries again.
    if (FSRename(backup_dir, app_dir, false) == 0)
        RemoveJournal(app_dir);
    return -1;
}

void Service::RecoverInterruptedUpgrade()
{
    const ustring app_dir = per_user_install_path;
    const ustring journal = JournalPath(app_dir);
    std::remove((journal + ".new").c_str()); // a journal cut off while being written
    if (!IsFileExist(journal, false))
        return;

    Config record;
    if (record.read(journal) != 0) {
        LOG_MSG(L_WARNING, kComp,
                "[WARNING] orvanta-service(%d): unreadable upgrade journal '%s' removed\n",
                journal.c_str());
        RemoveJournal(app_dir);
        return;
    }
    const ustring state = record["state"];
    const ustring backup = record["backup"];
    if (state == kCleaning) {
        // The new copy is complete; only the backups were still to go.
        const int last = backup == kNoBackup ? 0 : std::atoi(backup.c_str());
        for (int i = 0; i <= last && i < MAX_RENAME_COUNT; ++i)
            FSRemove(GetAppBackupDir(app_dir, i), false);
        RemoveJournal(app_dir);
        return;
    }
    LOG_MSG(L_WARNING, kComp,
            "[WARNING] orvanta-service(%d): an upgrade of '%s' was interrupted (%s), restoring "
            "the previous copy\n",
            app_dir.c_str(), state.c_str());

    if (backup == kNoBackup) {
        // A first installation: nothing to restore, the partial copy goes.
        if (FSRemove(app_dir, false) != 0) {
            LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): cannot remove '%s'\n",
                    app_dir.c_str());
            return;
        }
    } else {
        const ustring backup_dir = GetAppBackupDir(app_dir, std::atoi(backup.c_str()));
        // While pending, the copy was moved aside only if it is gone; once
        // extracting, whatever stands at app_dir is partial. A backup that no
        // longer exists was already moved back.
        bool restore = IsFileExist(backup_dir, false) &&
                       (state != kPending || !IsFileExist(app_dir, false));
        if (restore && (FSRemove(app_dir, false) != 0 ||
                        FSRename(backup_dir, app_dir, false) != 0)) {
            LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): cannot restore '%s' from '%s'\n",
                    app_dir.c_str(), backup_dir.c_str());
            return;
        }
    }
    RemoveJournal(app_dir);
}

void Service::RemoveAgedFolders()
{
    const ustring aged_app_dir = GetUserOrvantaInstallPath() + "/app";
    LOG_MSG(L_INFO, kComp, "[INFO] orvanta-service(%d): removing aged app folder %s\n",
            aged_app_dir.c_str());
    FSRemove(aged_app_dir, false);
}

int Service::FSCopyPath(const ustring &src, const ustring &dst)
{
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] orvanta-service(%d): copy from '%s' to '%s'\n", src.c_str(),
            dst.c_str());
    FILE_INFO info;
    if (FSStat(src, info, false) < 0) {
        LOG_MSG(L_ERR, kComp, "[ERROR] orvanta-service(%d): FSCopyPath: failed to stat source '%s'\n",
                src.c_str());
        return -1;
    }
    if (!info.isExist) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] orvanta-service(%d): FSCopyPath: source path '%s' does not exist\n",
                src.c_str());
        return -1;
    }
    if (info.type != FT_DIR)
        return FSCopy(src, dst, false) < 0 ? -1 : 0;

    if (FSMKDir(dst, true) < 0) {
        LOG_MSG(L_ERR, kComp,
                "[ERROR] orvanta-service(%d): FSCopyPath: failed to create dest folder '%s'\n",
                dst.c_str());
        return -1;
    }
    DIR_HANDLE handle;
    if (FSOpenDir(src, 0, handle) < 0) {
        LOG_MSG(L_WARNING, kComp,
                "[WARNING] orvanta-service(%d): FSCopyPath: failed to create handle  for src '%s' "
                "failed\n",
                src.c_str());
        return 0;
    }
    DIR_ENTRY entry;
    while (FSReadDir(handle, entry) == 1) {
        if (entry.name == "." || entry.name == "..")
            continue;
        const ustring child_src = src + "/" + entry.name;
        const ustring child_dst = dst + "/" + entry.name;
        int r = entry.type == FT_DIR ? FSCopyPath(child_src, child_dst)
                                     : FSCopy(child_src, child_dst, false);
        if (r < 0) {
            LOG_MSG(L_ERR, kComp,
                    "[ERROR] orvanta-service(%d): FSCopyPath: failed to copy from '%s' to '%s'\n",
                    child_src.c_str(), child_dst.c_str());
            FSCloseDir(handle);
            return -1;
        }
    }
    FSCloseDir(handle);
    return 0;
}
