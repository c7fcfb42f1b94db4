#include "linux/linux-service.h"

#include <unistd.h>

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

void LinuxService::PreUpgrade() {}

bool LinuxService::IsNeedUpgrade()
{
    return false;
}

int LinuxService::HandlePackageUpgrade()
{
    return -1;
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
