#include "pcsc/VirtualCard.h"

#include <QTest>
#include <cerrno>
#include <cstring>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The ATR of a contactless storage card as PC/SC readers report it.
const QByteArray kAtr = QByteArray::fromHex("3B8F8001804F0CA0000003060300030000000068");

bool readAll(int fd, char *p, size_t n) {
    while (n > 0) {
        const ssize_t got = ::recv(fd, p, n, 0);
        if (got <= 0)
            return false;
        p += got;
        n -= size_t(got);
    }
    return true;
}

bool send(int fd, const QByteArray &payload) {
    QByteArray msg;
    msg.append(char(payload.size() >> 8));
    msg.append(char(payload.size() & 0xff));
    msg.append(payload);
    return ::send(fd, msg.constData(), size_t(msg.size()), MSG_NOSIGNAL) == msg.size();
}

} // namespace

bool VirtualCard::touch(const QByteArray &id, QString &why) {
    lift();
    m_id = id;
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(m_port));
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // The reader listens once pcscd has loaded its driver.
    const bool connected = QTest::qWaitFor(
        [&] {
            m_fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            if (::connect(m_fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0)
                return true;
            ::close(m_fd);
            m_fd = -1;
            return false;
        },
        8000);
    if (!connected) {
        why = QString("the virtual reader does not listen on port %1").arg(m_port);
        return false;
    }
    const int one = 1;
    ::setsockopt(m_fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    m_thread = std::thread([this] { serve(); });
    return true;
}

void VirtualCard::lift() {
    if (m_fd >= 0)
        ::shutdown(m_fd, SHUT_RDWR);
    if (m_thread.joinable())
        m_thread.join();
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

void VirtualCard::serve() {
    for (;;) {
        unsigned char head[2];
        if (!readAll(m_fd, reinterpret_cast<char *>(head), 2))
            return;
        QByteArray payload(head[0] << 8 | head[1], '\0');
        if (!readAll(m_fd, payload.data(), size_t(payload.size())))
            return;
        if (payload.size() == 1) {
            if (payload[0] == 0x04 && !send(m_fd, kAtr))
                return;
            continue; // power off, on, reset: no answer
        }
        QByteArray answer;
        if (payload.size() >= 4 && quint8(payload[0]) == 0xFF && quint8(payload[1]) == 0xCA &&
            payload[2] == 0 && payload[3] == 0)
            answer = m_id + QByteArray::fromHex("9000");
        else
            answer = QByteArray::fromHex("6D00"); // no such instruction
        if (!send(m_fd, answer))
            return;
        ++m_answered;
    }
}
