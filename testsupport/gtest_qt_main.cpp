// main() for GoogleTest suites that need a QApplication (windows, pixmaps).
#include "testsupport/quietplatform.h"
#include "testsupport/testsettings.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    felgrove::test::quietPlatformMessages();
    QApplication app(argc, argv);
    felgrove::test::isolateSettings();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
