#include "app/instance_doorbell.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>
#include <QSocketNotifier>
#include <cstring>

namespace {

// What the running program sends back once it has brought its window up.
constexpr char kAnswer = 'k';
// Long enough for a busy program's event loop, short enough that a second
// program whose first one hangs still says something soon.
constexpr int kAnswerWaitMs = 3000;

// The socket's name: a leading zero byte puts it in the abstract namespace.
// The folder is named by a hash of its canonical path, so any folder fits.
socklen_t DoorbellAddress(const QString& folder, sockaddr_un& address) {
    const QString path = QDir(folder).canonicalPath();
    const QByteArray hash =
        QCryptographicHash::hash(path.toUtf8(), QCryptographicHash::Sha1).toHex();
    const QByteArray name = "io.github.kelvane.Kelvane/" + hash;
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path + 1, name.constData(), name.size());
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
}

bool SameUser(int socket) {
    ucred peer{};
    socklen_t size = sizeof peer;
    return getsockopt(socket, SOL_SOCKET, SO_PEERCRED, &peer, &size) == 0 && peer.uid == getuid();
}

}  // namespace

InstanceDoorbell::InstanceDoorbell(const QString& dataFolder, QObject* parent)
    : QObject(parent), folder_(dataFolder) {}

InstanceDoorbell::~InstanceDoorbell() {
    if (socket_ >= 0) ::close(socket_);
}

bool InstanceDoorbell::Listen() {
    if (socket_ >= 0) return true;
    sockaddr_un address;
    const socklen_t size = DoorbellAddress(folder_, address);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(fd, 4) != 0) {
        ::close(fd);
        return false;
    }
    socket_ = fd;
    notifier_ = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &InstanceDoorbell::Answer);
    return true;
}

// Non-blocking throughout: a caller that never reads cannot hold up the window.
void InstanceDoorbell::Answer() {
    const int caller = ::accept4(socket_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (caller < 0) return;
    const bool answer = SameUser(caller);
    if (answer) {
        emit rung();
        (void)!::send(caller, &kAnswer, 1, MSG_NOSIGNAL);
    }
    ::close(caller);
}

bool InstanceDoorbell::Ring(const QString& dataFolder) {
    sockaddr_un address;
    const socklen_t size = DoorbellAddress(dataFolder, address);
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    bool answered = false;
    if (::connect(fd, reinterpret_cast<sockaddr*>(&address), size) == 0 && SameUser(fd)) {
        pollfd wait{fd, POLLIN, 0};
        char reply = 0;
        answered = ::poll(&wait, 1, kAnswerWaitMs) == 1 && ::recv(fd, &reply, 1, 0) == 1 &&
                   reply == kAnswer;
    }
    ::close(fd);
    return answered;
}
