#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QString>

namespace fw::util {

// Shell folder numbers that SpecialFolderPath knows.
namespace ShellFolder {
constexpr int Personal = 0x05;
constexpr int Desktop = 0x10;
constexpr int AppData = 0x1A;
constexpr int LocalAppData = 0x1C;
constexpr int CommonAppData = 0x23;
}  // namespace ShellFolder

// The host name as the system reports it, cut to 15 characters; "UNKNOW" when it cannot be read.
QString LocalComputerName();
// The login name of the process's user, cut to 15 characters; "UNKNOW" when it cannot be read.
QString LocalUserName();
// True when the session is remote: SSH_CONNECTION, SSH_CLIENT or XRDP_SESSION is set, or
// DISPLAY names a host ("host:0"; ":0" and "unix:0" are local). Wayland displays are sockets,
// always local.
bool IsRemoteSession();
// Starts the command line (split at blanks, double quotes grouping, no shell expansions: as a
// Windows command line is read) in the current folder
// with the caller's environment, its input empty and its output on ours, and waits for it
// without limit. Answers its exit code, 128 + the signal when a signal ended it, or -1 when it
// cannot start. A command line over 512 characters is refused with -1 rather than cut, which
// would run a different command. The show value is a window hint that has no meaning here.
int RunAndWait(const QString& commandLine, int show);
// The folder for a shell folder number, empty for an unknown number.
QString SpecialFolderPath(int id);
// The user's documents folder.
QString PersonalFolder();
// The metrics of the font on the screen; needs a QGuiApplication.
QFontMetrics FontMetrics(const QFont& font);

}  // namespace fw::util
