#include "launcher.h"

#include "adapter.h"
#include "linux/linux-service.h"
#include "log.h"
#include "orvanta-service.h"
#include "strtab.h"

#include <QApplication>
#include <QFont>
#include <QIcon>

#include <algorithm>
#include <climits>

namespace
{

const char *const kComp = "launcher_debug";

} // namespace

Launcher::Launcher() : QObject(nullptr)
{
    m_worker = new Worker;
    m_progress = new ProcessingProgressDialog;
    m_progress->setCancelButton(nullptr);
    m_progress->setAutoReset(false);

    // The window system may still close the dialog; the sequence must then run
    // on, and the objects the worker thread uses must outlive it.
    QApplication::setQuitOnLastWindowClosed(false);

    connect(this, SIGNAL(sigStart()), m_worker, SLOT(HandleServicce()));
    connect(m_worker, SIGNAL(sigShowMsg()), this, SLOT(ShowMsgBox()));
    connect(m_worker, SIGNAL(sigServiceDone()), this, SLOT(LaunchDone()));
    connect(m_worker, SIGNAL(sigUpdateProgress(int, int)), this, SLOT(UpdateProgress(int, int)));
    connect(m_worker, SIGNAL(sigSetLabelText(QString)), this, SLOT(SetLabelText(QString)));
    connect(&Notify_Adapter::GetInstance(), SIGNAL(sigUpdateProgress(int, int)), this,
            SLOT(UpdateProgress(int, int)));
    connect(&Notify_Adapter::GetInstance(), SIGNAL(sigUpdateDialogText(QString)), this,
            SLOT(SetLabelText(QString)));
}

Launcher::~Launcher()
{
    delete m_worker;
    delete m_progress;
}

void Launcher::Run()
{
    m_worker->StartThread();
}

void Launcher::Start()
{
    emit sigStart();
}

void Launcher::LaunchDone()
{
    m_progress->setValue(100);
    m_progress->hide();
    m_worker->QuitThread();
    m_worker->JoinThread();
    QCoreApplication::quit();
}

void Launcher::UpdateProgress(int total, int steps)
{
    if (total <= 0)
        return;
    // In 64 bits, so that counts above INT_MAX / 100 cannot overflow.
    const long long value = static_cast<long long>(steps) * 100 / total;
    m_progress->setValue(static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX)));
}

void Launcher::SetLabelText(const QString &label)
{
    m_progress->setLabelText(label);
}

void Launcher::ShowMsgBox()
{
    m_progress->show();
}

void HandlerThread::run()
{
    exec();
}

Worker::Worker() : QObject(nullptr)
{
    m_service = new LinuxService;
    m_handler_thread = new HandlerThread;
    moveToThread(m_handler_thread);
}

Worker::~Worker()
{
    if (m_handler_thread) {
        // Normally joined already; if the event loop ended early, the sequence
        // still runs to its end before anything it uses is deleted.
        m_handler_thread->quit();
        m_handler_thread->wait();
        delete m_handler_thread;
    }
    delete m_service;
}

void Worker::StartThread()
{
    m_handler_thread->start(QThread::InheritPriority);
}

void Worker::QuitThread()
{
    m_handler_thread->quit();
}

void Worker::JoinThread()
{
    m_handler_thread->wait();
}

void Worker::HandleServicce()
{
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] launcher(%d): running\n");
    m_service->PreUpgrade();

    if (!m_service->IsNeedUpgrade()) {
        LOG_MSG(L_DEBUG, kComp, "[DEBUG] launcher(%d): no need to upgrade\n");
    } else {
        emit sigShowMsg();
        if (m_service->HandlePackageUpgrade() != 0) {
            LOG_MSG(L_ERR, kComp, "[ERROR] launcher(%d): Failed to upgrade package\n");
        } else {
            emit sigUpdateProgress(100, 100);
            emit sigSetLabelText(StrTable::LoadStr(161));
        }
    }

    m_service->RemoveAgedFolders();
    m_service->PostUpgrade();
    LOG_MSG(L_DEBUG, kComp, "[DEBUG] launcher(%d): done\n");
    emit sigServiceDone();
}

ProcessingProgressDialog::ProcessingProgressDialog() : QProgressDialog(nullptr, Qt::WindowFlags())
{
    const QFont f("Arial", -1, -1, false);
    const QString icon_path =
        QString::fromUtf8(Service::GetRootOrvantaResourceInstallPath().c_str()) +
        QStringLiteral("/images/ico_72_orvanta.png");

    setWindowTitle(StrTable::LoadStr(3));
    setWindowIcon(QIcon(icon_path));
    setWindowFlags(Qt::WindowTitleHint | Qt::WindowSystemMenuHint);
    setValue(0);
    setRange(0, 100);
    setLabelText(StrTable::LoadStr(45));
    setFont(f);
    setFixedWidth(400);
    setModal(true);
    setWindowModality(Qt::WindowModal);
    setStyleSheet(" QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } ");
    // QProgressDialog shows itself once its minimum duration has passed, even if
    // it was never asked to; this one appears only when an upgrade shows it.
    setMinimumDuration(INT_MAX);
}

ProcessingProgressDialog::~ProcessingProgressDialog() = default;
