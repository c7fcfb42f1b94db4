#include "linux/linux-service.h"

#include "log.h"

#include <climits>
#include <cstdlib>
#include <unistd.h>

namespace
{

const char *const kComp = "service_debug";

// A build number as atoi reads it (blanks, sign, leading digits; 0 without
// any), clamped to the range of int instead of overflowing.
int BuildNumber(const ustring &text)
{
    long v = std::strtol(text.c_str(), nullptr, 10);
    if (v > INT_MAX)
        return INT_MAX;
    if (v < INT_MIN)
        return INT_MIN;
    return static_cast<int>(v);
}

} // namespace

LinuxService::LinuxService()
{
    timeout = 10000;
    per_user_install_path = GetUserOrvantaAppInstallPath();
}

LinuxService::~LinuxService() = default;

LinuxService &LinuxService::GetInstace()
{
    static LinuxService serv;
    return serv;
}

void LinuxService::PreUpgrade()
{
    RecoverInterruptedUpgrade();
    LoadTargetVerInfo();
    LoadSourceVerInfo();
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): Source version: ('%s', '%s')\n",
            source_version.build_version.c_str(), source_version.icon_overlay_version.c_str());
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): Target version: ('%s', '%s')\n",
            target_version.build_version.c_str(), target_version.icon_overlay_version.c_str());
}

bool LinuxService::IsNeedUpgrade()
{
    int src_ver = 0;
    int tgt_ver = 0;
    if (!source_version.build_version.empty())
        src_ver = BuildNumber(source_version.build_version);
    if (!target_version.build_version.empty())
        tgt_ver = BuildNumber(target_version.build_version);
    LOG_MSG(L_DEBUG, kComp,
            "[DEBUG] linux/linux-service(%d): source version = %d, target version = %d\n", src_ver,
            tgt_ver);
    bool need_upgrade = tgt_ver > src_ver;
    if (!PerUserBinPathExist())
        need_upgrade = true;
    return need_upgrade;
}

int LinuxService::HandlePackageUpgrade()
{
    if (PerUserBinPathExist()) {
        LOG_MSG(L_DEBUG, kComp, "[DEBUG] linux/linux-service(%d): local appdata exist\n");
        StopService();
    }
    return PrepareUserEnv();
}

void LinuxService::StopService() {}

void LinuxService::PostUpgrade() {}

bool LinuxService::PerUserBinPathExist()
{
    const ustring per_user_ui_bin = per_user_install_path + "/" + "bin" + "/" + "orvanta-ui";
    return access(per_user_ui_bin.c_str(), F_OK) == 0;
}

void LinuxService::LoadTargetVerInfo()
{
    Service::LoadTargetVersion();
}

void LinuxService::LoadSourceVerInfo()
{
    Service::LoadSourceVersion();
}
