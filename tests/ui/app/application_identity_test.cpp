#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QSettings>

#include "app/application_setup.hpp"

namespace korvel::app {
namespace {

class ApplicationIdentityTest : public ::testing::Test {
protected:
    void SetUp() override { name_the_program(); }
};

TEST_F(ApplicationIdentityTest, NameAndShownVersion) {
    EXPECT_EQ(QGuiApplication::applicationName(), QStringLiteral("KORVEL"));
    // Settings are kept under the organisation's name, which must not be empty.
    EXPECT_EQ(QGuiApplication::organizationName(), QStringLiteral("KORVEL"));
    EXPECT_EQ(QGuiApplication::applicationVersion(), QStringLiteral("2.01.0001"));
}

// Wayland matches the window to its desktop entry by this name, so it must be
// the name of the entry the package installs, without ".desktop".
TEST_F(ApplicationIdentityTest, DesktopFileNameIsTheInstalledEntry) {
    const QString name = QGuiApplication::desktopFileName();
    EXPECT_EQ(name, QStringLiteral("org.korvel.korvel"));
    const QString entry = QStringLiteral(KORVEL_SOURCE_DIR "/data/") + name + QStringLiteral(".desktop");
    ASSERT_TRUE(QFile::exists(entry)) << entry.toStdString();

    QSettings desktop(entry, QSettings::IniFormat);
    desktop.beginGroup(QStringLiteral("Desktop Entry"));
    EXPECT_EQ(desktop.value(QStringLiteral("Icon")).toString(), name);
    EXPECT_EQ(desktop.value(QStringLiteral("Exec")).toString(), QStringLiteral("korvel %f"));
}

}  // namespace
}  // namespace korvel::app
