#include <QApplication>
#include <QStandardPaths>
#include <gtest/gtest.h>

#include "support/TestMain.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    isolateTestFolders();
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    removeTestFolders();
    return result;
}
