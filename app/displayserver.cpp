#include "app/displayserver.h"

#include <QFile>
#include <QList>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstring>

#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace corvane {
namespace {

// Only this machine's own addresses are tried, and a server there answers at once; one too busy to take
// the connection in this time is taken as none.
constexpr int kPatienceMs = 1000;

bool connects(int family, const sockaddr *address, socklen_t size)
{
    const int socket = ::socket(family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (socket < 0)
        return false;
    // EAGAIN: a server on this machine, too busy to take the connection at once.
    bool made = ::connect(socket, address, size) == 0 || errno == EAGAIN;
    if (!made && errno == EINPROGRESS) {
        pollfd waiting{socket, POLLOUT, 0};
        int error = 0;
        socklen_t errorSize = sizeof error;
        made = ::poll(&waiting, 1, kPatienceMs) == 1 &&
               ::getsockopt(socket, SOL_SOCKET, SO_ERROR, &error, &errorSize) == 0 && error == 0;
    }
    ::close(socket);
    return made;
}

// An abstract socket's path starts with a null byte.
bool answersAtUnixSocket(const QByteArray &path)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (path.isEmpty() || std::size_t(path.size()) >= sizeof address.sun_path)
        return false;
    std::memcpy(address.sun_path, path.constData(), std::size_t(path.size()));
    return connects(AF_UNIX, reinterpret_cast<const sockaddr *>(&address),
                    socklen_t(offsetof(sockaddr_un, sun_path) + std::size_t(path.size())));
}

// Numeric addresses only, so that nothing is looked up.
bool answersOverTcp(const char *address, unsigned port)
{
    const addrinfo hints{
        .ai_flags = AI_NUMERICHOST | AI_NUMERICSERV, .ai_family = AF_UNSPEC, .ai_socktype = SOCK_STREAM};
    addrinfo *found = nullptr;
    if (::getaddrinfo(address, QByteArray::number(port).constData(), &hints, &found) != 0)
        return false;
    const bool answered = connects(found->ai_family, found->ai_addr, found->ai_addrlen);
    ::freeaddrinfo(found);
    return answered;
}

// This machine's own addresses for a display's host: none for another host.
QList<QByteArray> loopbackAddresses(const QString &host)
{
    if (host.isEmpty() || host == QLatin1String("localhost"))
        return {"127.0.0.1", "::1"};
    const QByteArray address = host.toLatin1();
    if (address.startsWith("127.") || address == "::1")
        return {address};
    return {};
}

// A display is named [protocol/][host]:number[.screen]. One on this machine is reached at the server's Unix
// socket, abstract or in the file system, and failing that over TCP at port 6000 + number, as the X library
// reaches it. A display on another host is not tried again: the toolkit has just failed to reach it, and a
// second try would look its name up again and might wait as long as the first did, so it is taken as none.
bool xServerAnswers(const QString &display)
{
    static const QRegularExpression form(QStringLiteral("^(?:(\\w+)/)?\\[?([^\\]]*)\\]?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch parts = form.match(display);
    bool numbered = false;
    const unsigned number = parts.captured(3).toUInt(&numbered);
    if (!numbered)
        return false;
    const QString protocol = parts.captured(1), host = parts.captured(2);
    const QByteArray socket = "/tmp/.X11-unix/X" + QByteArray::number(number);
    const bool unixOnly = protocol == QLatin1String("unix") || host == QLatin1String("unix");
    if ((unixOnly || host.isEmpty()) && (answersAtUnixSocket('\0' + socket) || answersAtUnixSocket(socket)))
        return true;
    if (unixOnly)
        return false;
    for (const QByteArray &address : loopbackAddresses(host))
        if (answersOverTcp(address.constData(), 6000 + number))
            return true;
    return false;
}

// WAYLAND_DISPLAY (wayland-0 when unset) is a socket's name in XDG_RUNTIME_DIR, or its full path. A
// compositor that started the program may instead have handed it a connection already made.
bool waylandCompositorAnswers()
{
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true;
    QString socket = qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    if (!socket.startsWith(QLatin1Char('/'))) {
        const QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (folder.isEmpty())
            return false;
        socket = folder + QLatin1Char('/') + socket;
    }
    return answersAtUnixSocket(QFile::encodeName(socket));
}

// The platforms the toolkit tries in turn, as it chooses them.
QStringList platformsTried(const QString &platform)
{
    QString tried = platform.isEmpty() ? qEnvironmentVariable("QT_QPA_PLATFORM") : platform;
    if (tried.isEmpty())
        tried = qEnvironmentVariableIsSet("WAYLAND_DISPLAY") || qgetenv("XDG_SESSION_TYPE") == "wayland"
                    ? QStringLiteral("wayland;xcb")
                    : QStringLiteral("xcb");
    return tried.split(QLatin1Char(';'), Qt::SkipEmptyParts);
}

} // namespace

bool displayServerAnswers(const QString &platform, const QString &display)
{
    const QStringList tried = platformsTried(platform);
    return std::any_of(tried.begin(), tried.end(), [&display](const QString &each) {
        const QString base = each.section(QLatin1Char(':'), 0, 0);
        if (base == QLatin1String("xcb"))
            return xServerAnswers(display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display);
        return !base.startsWith(QLatin1String("wayland")) || waylandCompositorAnswers();
    });
}

} // namespace corvane
