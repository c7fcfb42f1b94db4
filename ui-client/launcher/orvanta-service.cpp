#include "orvanta-service.h"

#include <QCoreApplication>
#include <QDir>

namespace
{

ustring fromQString(const QString &s)
{
    return ustring(s.toUtf8().constData());
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

void Service::RemoveAgedFolders() {}

int Service::ExtractPackage()
{
    return -1;
}

void Service::LoadSourceVersion() {}

void Service::LoadTargetVersion() {}

int Service::PrepareUserEnv()
{
    return -1;
}

int Service::FSCopyPath(const ustring &, const ustring &)
{
    return -1;
}
