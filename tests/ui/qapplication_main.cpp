// Runs the GoogleTest window tests inside one QApplication (offscreen in CI).
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

int main(int argc, char** argv) {
    // The tests keep their settings (recent files, file dialogs) apart from the user's.
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
        QSettings::setPath(format, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
