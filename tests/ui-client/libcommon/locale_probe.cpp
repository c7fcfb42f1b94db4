// Runs the language selection once, in a process of its own, because QLocale::system()
// is read once per process from the environment.
//   locale_probe [RCC]
// With RCC, the embedded catalogues are unregistered and the binary resource file RCC is
// registered in their place. Prints each Qt message as "<type>:<text>" followed by a NUL
// byte, then the chosen code.

#include "HarvaneLocale.h"

#include <QFile>
#include <QResource>
#include <QString>

#include <cstdio>

namespace {

void record(QtMsgType type, const QMessageLogContext &, const QString &msg)
{
    const char *kind = type == QtDebugMsg ? "debug" : "other";
    std::printf("%s:%s%c", kind, msg.toLocal8Bit().constData(), '\0');
}

} // namespace

int main(int argc, char **argv)
{
    Q_INIT_RESOURCE(texts);
    const QString rcc = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (!rcc.isEmpty()) {
        Q_CLEANUP_RESOURCE(texts);
        if (QFile::exists(QStringLiteral(":/enu.qm"))) {
            std::fprintf(stderr, "locale_probe: the embedded catalogues stay registered\n");
            return 2;
        }
        if (!QResource::registerResource(rcc)) {
            std::fprintf(stderr, "locale_probe: cannot register %s\n", argv[1]);
            return 2;
        }
    }
    qInstallMessageHandler(record);
    std::printf("%s", qPrintable(HarvaneLocale::getDefaultLanguage()));
    if (!rcc.isEmpty())
        QResource::unregisterResource(rcc);
    return 0;
}
