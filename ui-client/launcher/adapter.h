#ifndef ORVANTA_ADAPTER_H
#define ORVANTA_ADAPTER_H

#include <QObject>
#include <QString>

/// Lets code that knows nothing of the launcher report progress and label texts
/// to the progress dialog. Each call becomes a signal emitted on the calling
/// thread; a receiver on another thread gets it as a queued event, in call
/// order, with its own copy of the arguments. Without a receiver a call does
/// nothing.
class Notify_Adapter : public QObject
{
    Q_OBJECT

public:
    ~Notify_Adapter() override;

    /// The process-wide instance, built on the first call (from any thread).
    static Notify_Adapter &GetInstance();

    void UpdateProgress(int total, int step);
    void UpdateDialogText(QString text);

signals:
    void sigUpdateProgress(int total, int current);
    void sigUpdateDialogText(QString);
};

#endif
