// The yardstick of the launcher's memory: a QApplication that shows a modal
// progress dialog like the launcher's, runs it from 0 to 100 through its event
// loop and quits.

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QProgressDialog dialog;
    dialog.setWindowTitle("Orvanta Backup");
    dialog.setLabelText("Orvanta Backup is initializing...");
    dialog.setRange(0, 100);
    dialog.setCancelButton(nullptr);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.setMinimumDuration(0);
    dialog.show();
    int value = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        dialog.setValue(++value);
        if (value == 100)
            app.quit();
    });
    timer.start(1);
    return app.exec();
}
