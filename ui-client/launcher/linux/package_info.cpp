#include "linux/package_info.h"

#include <QDir>

PackageInfo::PackageInfo()
    : ImageFolder("/opt/Harvane/Orvanta/images"),
      LogFolder(ustring(QDir::homePath().toUtf8().constData()) + "/.Orvanta"),
      LogLevelPath("/opt/Harvane/Orvanta/log/launcher.debug"),
      PackagePath("/opt/Harvane/Orvanta/package/orvanta.ovp"),
      ConfigFolder("/opt/Harvane/Orvanta/conf")
{
}

PackageInfo &PackageInfo::GetInstance()
{
    static PackageInfo info;
    return info;
}

ustring PackageInfo::GetImageFolder() const
{
    return ImageFolder;
}

ustring PackageInfo::GetLogFolder() const
{
    return LogFolder;
}

ustring PackageInfo::GetLogLevelPath() const
{
    return LogLevelPath;
}

ustring PackageInfo::GetPackagePath() const
{
    return PackagePath;
}

ustring PackageInfo::GetConfigFolder() const
{
    return ConfigFolder;
}
