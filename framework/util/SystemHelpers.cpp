#include "framework/util/SystemHelpers.h"

#include <pwd.h>
#include <unistd.h>

#include <QProcess>
#include <QStandardPaths>
#include <array>

#include "framework/util/SettingsFolders.h"

using namespace Qt::StringLiterals;

namespace fw::util {

namespace {

// The Windows names were read into 16-byte buffers.
constexpr qsizetype kNameLength = 15;
constexpr qsizetype kMaxCommandLine = 512;

QString shortName(const QString& name) {
    return name.isEmpty() ? u"UNKNOW"_s : name.left(kNameLength);
}

}  // namespace

QString LocalComputerName() {
    std::array<char, 256> buffer{};
    if (::gethostname(buffer.data(), buffer.size() - 1) != 0)
        return u"UNKNOW"_s;
    return shortName(QString::fromLocal8Bit(buffer.data()));
}

QString LocalUserName() {
    const passwd* entry = ::getpwuid(::getuid());
    if (!entry || !entry->pw_name)
        return u"UNKNOW"_s;
    return shortName(QString::fromLocal8Bit(entry->pw_name));
}

bool IsRemoteSession() {
    for (const char* name : {"SSH_CONNECTION", "SSH_CLIENT", "XRDP_SESSION"}) {
        if (!qEnvironmentVariableIsEmpty(name))
            return true;
    }
    const QString display = qEnvironmentVariable("DISPLAY");
    const qsizetype colon = display.lastIndexOf(u':');
    if (colon <= 0)
        return false;
    const QString host = display.left(colon);
    return host != u"unix"_s && !host.startsWith(u'/');
}

int RunAndWait(const QString& commandLine, int /*show*/) {
    if (commandLine.size() > kMaxCommandLine)
        return -1;
    QStringList arguments = QProcess::splitCommand(commandLine);
    if (arguments.isEmpty())
        return -1;
    QProcess process;
    process.setProgram(arguments.takeFirst());
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start();
    if (!process.waitForStarted(-1))
        return -1;
    process.waitForFinished(-1);
    if (process.exitStatus() == QProcess::CrashExit)
        return 128 + process.exitCode();
    return process.exitCode();
}

QString SpecialFolderPath(int id) {
    switch (id) {
        case ShellFolder::Personal:
            return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        case ShellFolder::Desktop:
            return QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
        case ShellFolder::AppData:
        case ShellFolder::LocalAppData:
            return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        case ShellFolder::CommonAppData:
            return MachineSettingsFolder();
        default:
            return {};
    }
}

QString PersonalFolder() {
    return SpecialFolderPath(ShellFolder::Personal);
}

QFontMetrics FontMetrics(const QFont& font) {
    return QFontMetrics(font);
}

}  // namespace fw::util
