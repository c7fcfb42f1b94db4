#include "qtsingleapplication.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QThread>

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

// Qt writes the holder's pid right after creating the lock file; a holder
// killed in between leaves a file Qt cannot read and never deems stale (with
// a stale time of 0 its age does not count), so no launcher would run again.
// A file still unreadable a moment later is taken over; Qt's removal refuses
// a file whose holder still has it open.
bool takeOverUnreadableLock(QLockFile &lock)
{
    qint64 pid;
    QString host, app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    QThread::msleep(20);
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    return lock.removeStaleLockFile() && lock.tryLock(0);
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
    if (!lock->tryLock(0) &&
        !(lock->error() == QLockFile::LockFailedError && takeOverUnreadableLock(*lock))) {
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
