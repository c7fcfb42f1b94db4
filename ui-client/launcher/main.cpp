#include "HarvaneLocale.h"
#include "launcher.h"
#include "log.h"
#include "orvanta-service.h"
#include "qtsingleapplication.h"
#include "strtab.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <clocale>
#include <cstdio>

// File-local functions are static, not in an anonymous namespace: Q_INIT_RESOURCE
// declares the resource function in the enclosing namespace.

// Sets the plug-in folder next to the executable as the only one, so that the
// toolkit's own plug-ins are never picked up.
static void initialize_resources(const char *bin)
{
    setlocale(LC_ALL, "");
    Q_INIT_RESOURCE(texts);

    // A program path without a slash was found through the search path and says
    // nothing about the current folder; the executable's real path does.
    QString program = QString::fromUtf8(bin ? bin : "");
    if (!program.contains(QLatin1Char('/'))) {
        const QString exe = QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
        if (!exe.isEmpty())
            program = exe;
    }
    const QString path = QDir::cleanPath(program + QStringLiteral("/../../lib/plugins"));
    QCoreApplication::setLibraryPaths(QStringList{path});
    printf("lib path = '%s'\n", path.toUtf8().constData());
    // Shown even when a missing platform plug-in aborts the process next.
    fflush(stdout);
}

static void initialize_logger()
{
    const ustring level_path = Service::GetRootOrvantaInstallPath() + "/log/launcher.debug";
    const ustring log_folder_path = Service::GetUserOrvantaInstallPath() + "/log";
    QDir dir;
    if (!dir.mkpath(QString::fromUtf8(log_folder_path.c_str())))
        return;
    Logger::Initialize(Logger::FILE_LOGGER, log_folder_path + "/launcher.log", level_path, 50);
}

static QString getCurrentLanguageFileName()
{
    return QStringLiteral(":/") + HarvaneLocale::getDefaultLanguage() + QStringLiteral(".qm");
}

int main(int argc, char **argv)
{
    initialize_resources(argc > 0 ? argv[0] : nullptr);
    QtSingleApplication app(argc, argv, true);
    initialize_logger();
    if (app.isRunning()) {
        LOG_MSG(L_DEBUG, "launcher_debug", "[DEBUG] main(%d): app has already launched, return\n");
        return 0;
    }

    QTranslator trans;
    const QString strLan = getCurrentLanguageFileName();
    trans.load(strLan);
    if (!trans.isEmpty())
        QCoreApplication::installTranslator(&trans);

    StrTable::InitStrTable();

    Launcher *launcher = new Launcher;
    launcher->Run();
    launcher->Start();
    const int ret = app.exec();
    delete launcher;
    return ret;
}
