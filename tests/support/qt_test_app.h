#ifndef ORVANTA_TEST_QT_TEST_APP_H
#define ORVANTA_TEST_QT_TEST_APP_H

#include <QApplication>

#include <gtest/gtest.h>

#include <memory>

namespace orvanta_test
{

/// The QApplication of a GUI suite, made when the tests run (not while CTest
/// lists them) and on the offscreen platform unless another is asked for.
/// Register it once per suite:
///   static auto *const qt_env = testing::AddGlobalTestEnvironment(new QtAppEnvironment);
class QtAppEnvironment : public testing::Environment
{
public:
    void SetUp() override
    {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        app = std::make_unique<QApplication>(argc, argv);
    }
    void TearDown() override { app.reset(); }

private:
    int argc = 1;
    char name[16] = "gui-test";
    char *argv[2] = {name, nullptr};
    std::unique_ptr<QApplication> app;
};

} // namespace orvanta_test

#endif
