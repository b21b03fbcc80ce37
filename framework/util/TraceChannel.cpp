#include "framework/util/TraceChannel.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QFile>
#include <cstring>
#include <optional>

#include "framework/util/Windows1252.h"

namespace fw::util {

namespace {

// The socket, once looked up: -1 when no viewer was found or sending failed.
std::optional<int>& viewer() {
    static std::optional<int> socket;
    return socket;
}

int connectViewer() {
    const QByteArray path = QFile::encodeName(TraceChannel::socketPath());
    sockaddr_un address{};
    if (path.size() >= qsizetype(sizeof address.sun_path))
        return -1;
    const int fd = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return -1;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

}  // namespace

QString TraceChannel::socketPath() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty())
        return QFile::decodeName(runtime) + QStringLiteral("/korvella-trace.sock");
    return QStringLiteral("/tmp/korvella-trace-%1.sock").arg(::getuid());
}

bool TraceChannel::send(const QString& text) {
    if (!viewer())
        viewer() = connectViewer();
    if (*viewer() < 0)
        return false;
    // The viewer reads single-byte text ending with a NUL.
    const QByteArray datagram = Windows1252::encode(text) + '\0';
    if (::send(*viewer(), datagram.constData(), size_t(datagram.size()), MSG_NOSIGNAL) < 0) {
        ::close(*viewer());
        viewer() = -1;
        return false;
    }
    return true;
}

}  // namespace fw::util
