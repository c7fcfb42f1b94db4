#ifndef ORVANTA_QTSINGLEAPPLICATION_H
#define ORVANTA_QTSINGLEAPPLICATION_H

#include <QApplication>

#include <memory>

class QLockFile;

/// A QApplication that knows whether another instance of the same executable
/// already runs for the same user.
///
/// The constructor tries once, without waiting, to take a lock file in
/// QDir::tempPath() whose name is derived from the user id and the resolved
/// path of the executable, so a copy of the program elsewhere is another
/// application. A lock taken is held until the object is destroyed. A lock
/// left behind by a holder that was killed is taken over at once, because the
/// lock file names its holder's process and Qt checks that it is gone.
class QtSingleApplication : public QApplication
{
    Q_OBJECT

public:
    /// GUIenabled must be true: Qt 5's QApplication always has a GUI.
    QtSingleApplication(int &argc, char **argv, bool GUIenabled);
    ~QtSingleApplication() override;

    /// True when another live process of this user holds the lock. When the
    /// lock could not be taken for another reason (an unwritable temporary
    /// folder), this instance does not count as refused.
    bool isRunning() const;

private:
    std::unique_ptr<QLockFile> lock;
    bool running = false;
};

#endif
