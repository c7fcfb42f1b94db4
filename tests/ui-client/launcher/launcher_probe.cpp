// Runs pieces of the launcher where a test puts this program, since the
// installation root is derived from the executable's location.
//   launcher_probe paths              prints the service's path getters
//   launcher_probe dialog             prints what the progress dialog's icon holds
//   launcher_probe show <percent> <ms>  shows the launcher's dialog at <percent> for <ms>

#include "launcher.h"
#include "orvanta-service.h"
#include "strtab.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace
{

void print(const char *key, const ustring &value)
{
    printf("%s=%s\n", key, value.c_str());
}

int paths(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    print("user", Service::GetUserInstallPath());
    print("root", Service::GetRootOrvantaInstallPath());
    print("resource", Service::GetRootOrvantaResourceInstallPath());
    print("user_orvanta", Service::GetUserOrvantaInstallPath());
    print("user_app", Service::GetUserOrvantaAppInstallPath());
    print("user_data", Service::GetUserOrvantaDataInstallPath());
    return 0;
}

int dialog(int argc, char **argv)
{
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    ProcessingProgressDialog d;
    const QIcon icon = d.windowIcon();
    printf("icon_null=%d\n", icon.isNull() ? 1 : 0);
    for (const QSize &s : icon.availableSizes())
        printf("icon_size=%dx%d\n", s.width(), s.height());
    return 0;
}

int show(int argc, char **argv, int percent, int ms)
{
    QApplication app(argc, argv);
    StrTable::InitStrTable();
    Launcher launcher;
    QMetaObject::invokeMethod(&launcher, "ShowMsgBox");
    QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, 100), Q_ARG(int, percent));
    QTimer::singleShot(ms, &app, &QCoreApplication::quit);
    return app.exec();
}

} // namespace

int main(int argc, char **argv)
{
    if (argc == 2 && strcmp(argv[1], "paths") == 0)
        return paths(argc, argv);
    if (argc == 2 && strcmp(argv[1], "dialog") == 0)
        return dialog(argc, argv);
    if (argc == 4 && strcmp(argv[1], "show") == 0)
        return show(argc, argv, atoi(argv[2]), atoi(argv[3]));
    fprintf(stderr, "usage: %s paths | dialog | show <percent> <ms>\n", argv[0]);
    return 2;
}
