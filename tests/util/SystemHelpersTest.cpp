#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <array>

#include "framework/util/SettingsFolders.h"
#include "framework/util/SystemHelpers.h"
#include "tests/support/TestEnvironment.h"

using namespace Qt::StringLiterals;
using namespace fw::util;

namespace {

TEST(SystemHelpers, NamesAreCutToFifteenCharacters) {
    std::array<char, 256> host{};
    ASSERT_EQ(::gethostname(host.data(), host.size() - 1), 0);
    const QString name = LocalComputerName();
    EXPECT_FALSE(name.isEmpty());
    EXPECT_LE(name.size(), 15);
    EXPECT_EQ(name, QString::fromLocal8Bit(host.data()).left(15));
    const QString user = LocalUserName();
    EXPECT_FALSE(user.isEmpty());
    EXPECT_LE(user.size(), 15);
}

struct SessionCase {
    const char* variable;
    const char* value;
    bool remote;
};

TEST(SystemHelpers, IsRemoteSessionFromTheEnvironment) {
    const std::array variables = {"SSH_CONNECTION", "SSH_CLIENT", "XRDP_SESSION", "DISPLAY",
                                  "WAYLAND_DISPLAY"};
    const std::array cases = {
        SessionCase{nullptr, nullptr, false},
        SessionCase{"SSH_CONNECTION", "10.0.0.1 5000 10.0.0.2 22", true},
        SessionCase{"SSH_CLIENT", "10.0.0.1 5000 22", true},
        SessionCase{"XRDP_SESSION", "1", true},
        SessionCase{"DISPLAY", ":0", false},
        SessionCase{"DISPLAY", ":1.0", false},
        SessionCase{"DISPLAY", "unix:0", false},
        SessionCase{"DISPLAY", "terminal7:0", true},
        SessionCase{"DISPLAY", "192.168.1.5:10.0", true},
        SessionCase{"WAYLAND_DISPLAY", "wayland-0", false},
    };
    for (const SessionCase& c : cases) {
        for (const char* variable : variables)
            qunsetenv(variable);
        if (c.variable)
            qputenv(c.variable, c.value);
        EXPECT_EQ(IsRemoteSession(), c.remote) << (c.variable ? c.value : "nothing set");
    }
}

TEST(SystemHelpers, RunAndWaitAnswersTheExitCode) {
    EXPECT_EQ(RunAndWait(u"true"_s, 1), 0);
    EXPECT_EQ(RunAndWait(u"sh -c \"exit 3\""_s, 1), 3);
    EXPECT_EQ(RunAndWait(u"sh -c \"kill -9 $$\""_s, 1), 128 + 9);
}

TEST(SystemHelpers, RunAndWaitAnswersMinusOneWhenNothingStarts) {
    EXPECT_EQ(RunAndWait(u"/no/existe/programa --x"_s, 1), -1);
    EXPECT_EQ(RunAndWait(QString(), 1), -1);
    EXPECT_EQ(RunAndWait(u"   "_s, 1), -1);
    // Too long to pass whole: refused rather than cut into another command.
    EXPECT_EQ(RunAndWait(u"true "_s + QString(600, u'x'), 1), -1);
    EXPECT_EQ(RunAndWait(u"true "_s + QString(507, u'x'), 1), 0);
}

TEST(SystemHelpers, RunAndWaitStartsInTheCurrentFolder) {
    const QString folder = test::TestEnvironment::instance().makeFolder(u"trabajo"_s);
    ASSERT_TRUE(QDir::setCurrent(folder));
    ASSERT_EQ(RunAndWait(u"sh -c \"pwd > salida.txt\""_s, 1), 0);
    QFile output(QDir(folder).filePath(u"salida.txt"_s));
    ASSERT_TRUE(output.open(QIODevice::ReadOnly));
    EXPECT_EQ(QDir(QString::fromLocal8Bit(output.readAll()).trimmed()).canonicalPath(),
              QDir(folder).canonicalPath());
}

TEST(SystemHelpers, SpecialFolders) {
    EXPECT_EQ(PersonalFolder(),
              QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(SpecialFolderPath(ShellFolder::Personal), PersonalFolder());
    EXPECT_EQ(SpecialFolderPath(ShellFolder::CommonAppData), MachineSettingsFolder());
    EXPECT_EQ(SpecialFolderPath(ShellFolder::AppData),
              QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    EXPECT_EQ(SpecialFolderPath(0x99), QString());
}

TEST(SettingsFolders, FollowTheEnvironmentOnEveryCall) {
    const QString user = test::TestEnvironment::instance().root() + u"/otro/usuario"_s;
    qputenv("KORVELLA_USER_DIR", QFile::encodeName(user));
    qputenv("KORVELLA_MACHINE_DIR", "/ninguna/maquina");
    EXPECT_EQ(UserSettingsFolder(), user);
    EXPECT_TRUE(QDir(user).exists());
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(user).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    EXPECT_EQ(MachineSettingsFolder(), u"/ninguna/maquina"_s);
    EXPECT_FALSE(QDir(u"/ninguna/maquina"_s).exists());
    qunsetenv("KORVELLA_MACHINE_DIR");
    EXPECT_EQ(MachineSettingsFolder(), u"/var/lib/korvella"_s);
}

}  // namespace
