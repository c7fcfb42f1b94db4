#ifndef ORVANTA_SERVICE_H
#define ORVANTA_SERVICE_H

#include "ustring/ustring.h"

/// The per-user installation service: where the package and the user's private
/// copy live, and how the copy is brought up to date from the package.
///
/// Abstract because stopping and starting the client differ by platform; the
/// shipped program always runs LinuxService. The worker calls, on its thread:
/// PreUpgrade(), IsNeedUpgrade(), HandlePackageUpgrade() only when that was
/// true, then RemoveAgedFolders() and PostUpgrade() on every path.
///
/// Every path is computed at run time by the static getters, afresh on each
/// call. The two root getters need the application object; the others may be
/// called at any time, from any thread.
class Service
{
public:
    virtual ~Service();

    /// Stops the per-user client if it runs.
    virtual void StopService() = 0;
    /// Stores t in timeout; nothing else reads it.
    virtual void SetTimeout(int t);
    /// 0 when the private copy is now the package's, any other value on failure.
    virtual int HandlePackageUpgrade() = 0;
    /// Runs last in every sequence: starts the per-user client.
    virtual void PostUpgrade() = 0;
    /// Loads both version records.
    virtual void PreUpgrade() = 0;
    /// True when the private copy must be replaced; called after PreUpgrade().
    virtual bool IsNeedUpgrade() = 0;

    /// The user's home folder, as QDir::homePath() gives it.
    static ustring GetUserInstallPath();
    /// The parent of the folder that holds the executable, cleaned.
    static ustring GetRootOrvantaInstallPath();
    /// Where the package's resources lie: the installation root itself.
    static ustring GetRootOrvantaResourceInstallPath();
    /// GetUserInstallPath() + "/.OrvantaBackup".
    static ustring GetUserOrvantaInstallPath();
    /// GetUserOrvantaInstallPath() + "/Orvanta.app": the private copy.
    static ustring GetUserOrvantaAppInstallPath();
    /// GetUserOrvantaInstallPath() + "/data".
    static ustring GetUserOrvantaDataInstallPath();

    /// Removes the aged application folder; its result is not needed.
    void RemoveAgedFolders();

protected:
    struct VersionInfo {
        ustring major_version;
        ustring minor_version;
        ustring build_version;
        ustring icon_overlay_version;
    };

    Service();

    /// Extracts the package archive into the per-user application folder: 0 or -1.
    virtual int ExtractPackage();
    /// Fills source_version from the private copy's version file.
    virtual void LoadSourceVersion();
    /// Fills target_version from the package's version file.
    virtual void LoadTargetVersion();
    /// Backs the private copy up, extracts, and removes the backup on success or
    /// restores it on failure: 0 or -1.
    virtual int PrepareUserEnv();

    /// Copies a file or a whole folder tree: 0 or -1.
    int FSCopyPath(const ustring &src, const ustring &dst);

    /// Puts the private copy back in order after an upgrade that was cut off
    /// (the launcher killed, the machine off): the partial copy goes and the
    /// backup it replaced comes back. Runs before the versions are read.
    void RecoverInterruptedUpgrade();

    int timeout = 0;
    /// The folder the upgrade works on, fixed at construction.
    ustring per_user_install_path;
    /// The package's version: the one to upgrade to.
    VersionInfo target_version;
    /// The private copy's version: the one upgraded from.
    VersionInfo source_version;
};

#endif
