#ifndef ORVANTA_LINUX_SERVICE_H
#define ORVANTA_LINUX_SERVICE_H

#include "orvanta-service.h"

/// The service on Linux: the upgrade decision by build number, stopping the
/// running client through its pid file, and starting it through its
/// start-stop script.
class LinuxService : public Service
{
public:
    /// Fixes per_user_install_path to GetUserOrvantaAppInstallPath().
    LinuxService();
    ~LinuxService() override;

    void StopService() override;
    int HandlePackageUpgrade() override;
    void PostUpgrade() override;
    void PreUpgrade() override;
    bool IsNeedUpgrade() override;

    /// A process-wide instance, built on the first call.
    static LinuxService &GetInstace();

private:
    /// True when the client's executable exists (links count if their target does).
    bool PerUserBinPathExist();
    /// Runs the client's start-stop script with "start" and waits for it.
    int LaunchPerUserBin();
    void LoadTargetVerInfo();
    void LoadSourceVerInfo();
};

#endif
