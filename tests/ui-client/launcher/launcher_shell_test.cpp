#include "adapter.h"
#include "launcher.h"
#include "qt_test_app.h"
#include "strtab.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QProgressBar>
#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <memory>
#include <thread>
#include <vector>

using orvanta_test::QtAppEnvironment;

static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);

namespace
{

// Runs the event loop of this thread for ms milliseconds.
void spinFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

template <typename Cond> bool spinUntil(Cond cond, int timeoutMs = 10000)
{
    QElapsedTimer timer;
    timer.start();
    while (!cond() && timer.elapsed() < timeoutMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return cond();
}

ProcessingProgressDialog *findDialog()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *d = qobject_cast<ProcessingProgressDialog *>(w))
            return d;
    return nullptr;
}

// Counts the times a widget is shown.
class ShowCounter : public QObject
{
public:
    int shows = 0;

protected:
    bool eventFilter(QObject *, QEvent *e) override
    {
        if (e->type() == QEvent::Show)
            ++shows;
        return false;
    }
};

// The launcher's sequence works on the user's private copy: the suite gives it
// a HOME of its own holding an up-to-date copy (the test program's root has no
// package, so its build counts as 0), so a run needs no upgrade.
class ShellTest : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        StrTable::InitStrTable();
        home = new QTemporaryDir;
        ASSERT_TRUE(home->isValid());
        savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home->path()));
        const QString bin = home->path() + "/.OrvantaBackup/Orvanta.app/bin";
        ASSERT_TRUE(QDir().mkpath(bin));
        QFile exe(bin + "/orvanta-ui");
        ASSERT_TRUE(exe.open(QIODevice::WriteOnly));
    }
    static void TearDownTestSuite()
    {
        qputenv("HOME", savedHome);
        delete home;
    }

    static QTemporaryDir *home;
    static QByteArray savedHome;
};

QTemporaryDir *ShellTest::home = nullptr;
QByteArray ShellTest::savedHome;

// Runs app.exec() with a guard that ends a run that never finishes with 99.
int execWithGuard(int timeoutMs = 30000)
{
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    guard.start(timeoutMs);
    return QApplication::exec();
}

} // namespace

TEST_F(ShellTest, DialogIsBuiltHiddenWithItsTextsGeometryAndStyle)
{
    ProcessingProgressDialog d;

    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Orvanta Backup"));
    EXPECT_EQ(d.labelText(), QStringLiteral("Orvanta Backup is initializing..."));
    EXPECT_EQ(d.minimum(), 0);
    EXPECT_EQ(d.maximum(), 100);
    EXPECT_EQ(d.value(), 0);
    EXPECT_EQ(d.minimumWidth(), 400);
    EXPECT_EQ(d.maximumWidth(), 400);
    EXPECT_TRUE(d.isModal());
    EXPECT_EQ(d.windowModality(), Qt::WindowModal);
    EXPECT_EQ(d.font().family(), QStringLiteral("Arial"));
    EXPECT_FALSE(d.font().italic());
    EXPECT_EQ(
        d.styleSheet(),
        QStringLiteral(
            " QProgressDialog { background-color: WhiteSmoke; \n  vertical-align: middle } "));

    // Only the title and system-menu hints: no close, minimise or maximise button.
    const Qt::WindowFlags flags = d.windowFlags();
    EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
    EXPECT_TRUE(flags.testFlag(Qt::WindowSystemMenuHint));
    EXPECT_FALSE(flags & (Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowMaximizeButtonHint | Qt::WindowContextHelpButtonHint))
        << std::hex << int(flags);
}

// QProgressDialog shows itself after its minimum duration (4 s by default), and
// setValue() shows it once that time has passed; neither may happen here.
TEST_F(ShellTest, DialogNeverShowsItself)
{
    ProcessingProgressDialog d;
    spinFor(4500);
    EXPECT_FALSE(d.isVisible());
    d.setValue(50);
    d.setValue(100);
    spinFor(100);
    EXPECT_FALSE(d.isVisible());
}

TEST_F(ShellTest, LauncherDialogHasNoCancelButtonAndKeepsItsValueAtTheMaximum)
{
    Launcher launcher;
    ProcessingProgressDialog *d = findDialog();
    ASSERT_NE(d, nullptr);
    EXPECT_TRUE(d->findChildren<QPushButton *>().isEmpty());
    EXPECT_FALSE(d->autoReset());

    QMetaObject::invokeMethod(&launcher, "ShowMsgBox");
    EXPECT_TRUE(d->isVisible());
    QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, 100), Q_ARG(int, 100));
    EXPECT_EQ(d->value(), 100);
    EXPECT_TRUE(d->isVisible());
}

struct ProgressCase {
    const char *name;
    int total;
    int steps;
    int expected; // -1: the value stays as it was (12)
};

class UpdateProgressTest : public ShellTest, public testing::WithParamInterface<ProgressCase>
{
};

TEST_P(UpdateProgressTest, SetsTheTruncatedPercentage)
{
    const ProgressCase &c = GetParam();
    Launcher launcher;
    ProcessingProgressDialog *d = findDialog();
    ASSERT_NE(d, nullptr);
    QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, 100), Q_ARG(int, 12));
    ASSERT_EQ(d->value(), 12);

    QMetaObject::invokeMethod(&launcher, "UpdateProgress", Q_ARG(int, c.total),
                              Q_ARG(int, c.steps));
    EXPECT_EQ(d->value(), c.expected < 0 ? 12 : c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, UpdateProgressTest,
    testing::Values(ProgressCase{"OneOfThree", 3, 1, 33}, ProgressCase{"TwoOfThree", 3, 2, 66},
                    ProgressCase{"ThreeOfThree", 3, 3, 100},
                    ProgressCase{"ThirtySevenOf120", 120, 37, 30},
                    ProgressCase{"CountBeyondIntOver100", 30000000, 25000000, 83},
                    ProgressCase{"ZeroTotalIgnored", 0, 5, -1},
                    ProgressCase{"NegativeTotalIgnored", -3, 1, -1}),
    [](const testing::TestParamInfo<ProgressCase> &i) { return std::string(i.param.name); });

TEST_F(ShellTest, AdapterIsOneInstanceForEveryThread)
{
    Notify_Adapter *fromMain = &Notify_Adapter::GetInstance();
    Notify_Adapter *fromOther = nullptr;
    std::thread t([&] { fromOther = &Notify_Adapter::GetInstance(); });
    t.join();
    EXPECT_EQ(fromMain, fromOther);
    EXPECT_EQ(fromMain, &Notify_Adapter::GetInstance());
}

TEST_F(ShellTest, AdapterCallsFromAnotherThreadArriveInOrderWithTheirOwnCopies)
{
    // Records what reaches the main thread, and on which thread.
    QObject receiver;
    std::vector<QString> seen;
    bool allOnMainThread = true;
    auto note = [&](const QString &s) {
        allOnMainThread = allOnMainThread && QThread::currentThread() == qApp->thread();
        seen.push_back(s);
    };
    Notify_Adapter &ad = Notify_Adapter::GetInstance();
    QObject::connect(
        &ad, &Notify_Adapter::sigUpdateProgress, &receiver,
        [&](int total, int current) { note(QStringLiteral("p %1/%2").arg(current).arg(total)); });
    QObject::connect(&ad, &Notify_Adapter::sigUpdateDialogText, &receiver,
                     [&](const QString &text) { note(QStringLiteral("t ") + text); });

    const int total = 300;
    std::vector<QString> expected;
    for (int i = 1; i <= total; ++i) {
        expected.push_back(QStringLiteral("p %1/%2").arg(i).arg(total));
        if (i % 100 == 0)
            expected.push_back(QStringLiteral("t step %1").arg(i));
    }

    std::unique_ptr<QThread> worker(QThread::create([&] {
        for (int i = 1; i <= total; ++i) {
            ad.UpdateProgress(total, i);
            if (i % 100 == 0) {
                QString label = QStringLiteral("step %1").arg(i);
                ad.UpdateDialogText(label);
                label.replace(0, 4, QStringLiteral("XXXX")); // the caller reuses its string
            }
        }
    }));
    worker->start();
    ASSERT_TRUE(worker->wait(10000));
    ASSERT_TRUE(spinUntil([&] { return seen.size() >= expected.size(); }));

    EXPECT_EQ(seen, expected);
    EXPECT_TRUE(allOnMainThread);
}

TEST_F(ShellTest, AdapterProgressFromTheWorkerThreadDrivesTheDialog)
{
    Launcher launcher;
    ProcessingProgressDialog *d = findDialog();
    ASSERT_NE(d, nullptr);
    auto *bar = d->findChild<QProgressBar *>();
    ASSERT_NE(bar, nullptr);
    std::vector<int> values;
    QObject::connect(bar, &QProgressBar::valueChanged, bar, [&](int v) { values.push_back(v); });

    std::unique_ptr<QThread> worker(QThread::create([] {
        Notify_Adapter &ad = Notify_Adapter::GetInstance();
        ad.UpdateDialogText(QStringLiteral("Extracting"));
        ad.UpdateProgress(3, 1);
        ad.UpdateProgress(3, 2);
        ad.UpdateProgress(3, 3);
    }));
    worker->start();
    ASSERT_TRUE(worker->wait(10000));
    ASSERT_TRUE(spinUntil([&] { return values.size() >= 3; }));

    EXPECT_EQ(values, (std::vector<int>{33, 66, 100}));
    EXPECT_EQ(d->labelText(), QStringLiteral("Extracting"));
}

// Without an upgrade the worker never asks for the dialog; the run still ends
// with the dialog at 100 and hidden, and the event loop's result 0.
TEST_F(ShellTest, RunWithoutUpgradeShowsNothingAndQuitsWithZero)
{
    auto launcher = std::make_unique<Launcher>();
    ProcessingProgressDialog *d = findDialog();
    ASSERT_NE(d, nullptr);
    ShowCounter counter;
    d->installEventFilter(&counter);

    launcher->Run();
    launcher->Start();
    EXPECT_EQ(execWithGuard(), 0);

    EXPECT_EQ(counter.shows, 0);
    EXPECT_FALSE(d->isVisible());
    EXPECT_EQ(d->value(), 100);
    d->removeEventFilter(&counter);
    launcher.reset(); // the worker thread has finished; deleting must not block or crash
}

// The window system may close the dialog while the worker thread runs: the
// event loop must go on until the sequence reports that it is done.
TEST_F(ShellTest, ClosingTheDialogDoesNotEndTheRun)
{
    auto launcher = std::make_unique<Launcher>();
    ProcessingProgressDialog *d = findDialog();
    ASSERT_NE(d, nullptr);
    launcher->Run();

    bool closed = false;
    bool loopAliveAfterClose = false;
    QTimer::singleShot(0, launcher.get(),
                       [&] { QMetaObject::invokeMethod(launcher.get(), "ShowMsgBox"); });
    QTimer::singleShot(200, launcher.get(), [&] {
        ASSERT_TRUE(d->isVisible());
        ASSERT_NE(d->windowHandle(), nullptr);
        // What the platform delivers when the user closes the window.
        QCloseEvent close;
        QCoreApplication::sendEvent(d->windowHandle(), &close);
        closed = !d->isVisible();
    });
    QTimer::singleShot(700, launcher.get(), [&] {
        loopAliveAfterClose = true;
        launcher->Start();
    });

    EXPECT_EQ(execWithGuard(), 0);
    EXPECT_TRUE(closed);
    EXPECT_TRUE(loopAliveAfterClose);
    EXPECT_EQ(d->value(), 100);
}
