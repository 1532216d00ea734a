// main() for GUI test programs: a headless QApplication unless a platform was
// chosen, a private cache folder so the user's scratch file is never touched,
// then GoogleTest.

#include "base/AppInfo.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir cache;
    qputenv("XDG_CACHE_HOME", cache.path().toLocal8Bit());
    QApplication app(argc, argv);
    QApplication::setApplicationName(base::kAppTitle);
    return RUN_ALL_TESTS();
}
