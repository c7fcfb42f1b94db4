#include "qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include <unistd.h>

namespace
{

QString lockFilePath()
{
    const QString exe = QCoreApplication::applicationFilePath();
    const QByteArray digest =
        QCryptographicHash::hash(exe.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return QDir::tempPath() + QLatin1Char('/') + QFileInfo(exe).fileName() +
           QStringLiteral("-single-%1-").arg(getuid()) + QString::fromLatin1(digest) +
           QStringLiteral(".lock");
}

} // namespace

QtSingleApplication::QtSingleApplication(int &argc, char **argv, bool GUIenabled)
    : QApplication(argc, argv)
{
    const QString path = lockFilePath();
    lock.reset(new QLockFile(path));
    if (!GUIenabled)
        qWarning("QtSingleApplication: a non-GUI application is not supported; running with GUI");

    // A launcher may hold its lock for many minutes; only a dead holder makes it stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        running = lock->error() == QLockFile::LockFailedError;
        if (!running)
            qWarning("QtSingleApplication: cannot create the lock file '%s' (error %d)",
                     qUtf8Printable(path), static_cast<int>(lock->error()));
    }
}

QtSingleApplication::~QtSingleApplication() = default;

bool QtSingleApplication::isRunning() const
{
    return running;
}
