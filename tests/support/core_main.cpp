#include <QGuiApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "support/TestMain.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // Keep the tests away from the person's own settings and data folders.
    QStandardPaths::setTestModeEnabled(true);
    QGuiApplication app(argc, argv);
    isolateTestFolders();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    removeTestFolders();
    return result;
}
