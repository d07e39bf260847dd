#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>

namespace gui::testing {

// Runs the GUI tests of an executable in one QApplication, with a private runtime folder so
// that Qt does not complain. The platform (and any scale factor) is set before the call.
inline int RunGuiTests(int argc, char* argv[]) {
    const QString runtime = QDir::temp().filePath(QStringLiteral("fivra-test-gui-runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

}  // namespace gui::testing
