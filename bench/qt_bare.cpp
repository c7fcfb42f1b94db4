// The yardstick of the launcher's start-up: a QApplication that constructs
// nothing else and quits from its event loop.

#include <QApplication>
#include <QTimer>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
