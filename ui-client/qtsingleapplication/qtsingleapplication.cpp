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

// True when the lock file names no holder, and still does not a moment
// later: a live holder writes its pid right after creating the file.
bool namesNoHolder(const QLockFile &lock)
{
    qint64 pid;
    QString host, app;
    if (lock.getLockInfo(&pid, &host, &app))
        return false;
    QThread::msleep(20);
    return !lock.getLockInfo(&pid, &host, &app);
}

// Qt takes over a lock whose holder is gone, but not a lock file left empty by
// a holder killed between creating it and writing its pid (with a stale time
// of 0 its age does not count, so no launcher would run again), nor a lock
// whose ".rmlock", the guard of Qt's own take-over, was left empty that way
// (it keeps everyone out for 30 s). Such a file is removed and the lock tried
// once more; Qt's removal refuses a file that a live process holds open.
bool takeOverEmptyLock(QLockFile &lock, const QString &path)
{
    const QString guardPath = path + QStringLiteral(".rmlock");
    if (QFileInfo::exists(guardPath)) {
        QLockFile guard(guardPath);
        if (namesNoHolder(guard) && guard.removeStaleLockFile() && lock.tryLock(0))
            return true;
    }
    return lock.error() == QLockFile::LockFailedError && namesNoHolder(lock) &&
           lock.removeStaleLockFile() && lock.tryLock(0);
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
        !(lock->error() == QLockFile::LockFailedError && takeOverEmptyLock(*lock, path))) {
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
