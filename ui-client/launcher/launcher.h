#ifndef ORVANTA_LAUNCHER_H
#define ORVANTA_LAUNCHER_H

#include <QObject>
#include <QProgressDialog>
#include <QString>
#include <QThread>

class Service;
class Worker;
class ProcessingProgressDialog;

/// The controller on the GUI thread: owns the worker and the progress dialog,
/// relays the worker's requests to the dialog and ends the event loop when the
/// service sequence is done. Every slot runs on the GUI thread.
class Launcher : public QObject
{
    Q_OBJECT

public:
    /// Creates the worker, then the hidden dialog, and connects them. Also stops
    /// the closing of the dialog from ending the event loop: only LaunchDone()
    /// may end it, after the worker thread has finished.
    Launcher();
    ~Launcher() override;

    /// Starts the worker thread.
    void Run();
    /// Asks the worker thread to run the service sequence once.
    void Start();

signals:
    void sigStart();

private slots:
    /// Sets the dialog to 100, hides it, joins the worker thread and quits.
    void LaunchDone();
    /// Sets the dialog to steps * 100 / total; a total of 0 or less is ignored.
    void UpdateProgress(int total, int steps);
    void SetLabelText(const QString &label);
    void ShowMsgBox();

private:
    Worker *m_worker = nullptr;                     ///< owned
    ProcessingProgressDialog *m_progress = nullptr; ///< owned
};

/// The thread on which the worker runs: just an event loop.
class HandlerThread : public QThread
{
    Q_OBJECT

protected:
    void run() override;
};

/// Runs the service sequence on its own thread. Created on the GUI thread and
/// moved to its HandlerThread at once; deleted only after that thread finished.
class Worker : public QObject
{
    Q_OBJECT

public:
    Worker();
    ~Worker() override;

    void StartThread();
    /// Asks the worker thread's event loop to end.
    void QuitThread();
    /// Waits, without a time limit, until the worker thread has finished.
    void JoinThread();

signals:
    void sigServiceDone();
    void sigShowMsg();
    /// A total, then the count done of it.
    void sigUpdateProgress(int, int);
    void sigSetLabelText(const QString &);

private slots:
    /// The whole service sequence; signals sigServiceDone() last.
    void HandleServicce();

private:
    HandlerThread *m_handler_thread = nullptr; ///< owned
    Service *m_service = nullptr;              ///< owned; a LinuxService
};

/// The modal progress dialog, created hidden, with the product's title, icon
/// and first label text. It never shows itself: only an explicit show() does.
class ProcessingProgressDialog : public QProgressDialog
{
    Q_OBJECT

public:
    ProcessingProgressDialog();
    ~ProcessingProgressDialog() override;
};

#endif
