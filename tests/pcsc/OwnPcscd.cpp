#include "pcsc/OwnPcscd.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

namespace {

const QString kPcscd = "/usr/sbin/pcscd";
const QString kDriver = "/usr/lib/pcsc/drivers/serial/libifdvpcd.so";
const QString kSystemSocket = "/run/pcscd/pcscd.comm";
const QString kSystemConf = "/etc/reader.conf.d/vpcd";

sockaddr_un unixAddress(const QString &path, bool &ok) {
    sockaddr_un a{};
    const QByteArray name = QFile::encodeName(path);
    ok = name.size() < qsizetype(sizeof(a.sun_path));
    if (ok) {
        a.sun_family = AF_UNIX;
        std::memcpy(a.sun_path, name.constData(), size_t(name.size()));
    }
    return a;
}

bool answers(const QString &path) {
    bool ok = false;
    sockaddr_un a = unixAddress(path, ok);
    const int fd = ok ? ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0) : -1;
    if (fd < 0)
        return false;
    const bool up = ::connect(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(fd);
    return up;
}

bool portFree(int port) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(quint16(port));
    a.sin_addr.s_addr = htonl(INADDR_ANY);
    const bool free = ::bind(fd, reinterpret_cast<sockaddr *>(&a), sizeof a) == 0;
    ::close(fd);
    return free;
}

// The port of the virtual reader in its configuration ("DEVICENAME
// /dev/null:0x8C7B"), 35963 when it names none.
int configuredPort() {
    QFile f(kSystemConf);
    if (f.open(QIODevice::ReadOnly))
        for (const QByteArray &line : f.readAll().split('\n'))
            if (line.trimmed().startsWith("DEVICENAME")) {
                bool ok = false;
                const int p = line.mid(line.lastIndexOf(':') + 1).trimmed().toInt(&ok, 0);
                if (ok)
                    return p;
            }
    return 35963;
}

} // namespace

OwnPcscd::OwnPcscd() = default;

OwnPcscd::~OwnPcscd() {
    stop();
    if (m_listen >= 0)
        ::close(m_listen);
}

bool OwnPcscd::start(QString &why) {
    if (!QFileInfo::exists(kPcscd)) {
        why = "pcscd is not installed (package pcscd)";
        return false;
    }
    if (!QFileInfo::exists(kDriver)) {
        why = "the virtual reader is not installed (package vsmartcard-vpcd)";
        return false;
    }
    if (answers(kSystemSocket)) {
        m_own = false;
        m_port = configuredPort();
        return true;
    }
    if (::geteuid() != 0) {
        why = "not root: pcscd keeps its files in /run/pcscd";
        return false;
    }
    if (!m_dir.isValid()) {
        why = "no temporary folder";
        return false;
    }
    // Two free ports: the virtual reader has two slots, on port and port + 1.
    for (int attempt = 0; attempt < 50 && m_port == 0; ++attempt) {
        const int p = 20000 + int(QRandomGenerator::global()->bounded(20000)) * 2;
        if (portFree(p) && portFree(p + 1))
            m_port = p;
    }
    QDir(m_dir.path()).mkpath("conf");
    QFile conf(m_dir.filePath("conf/vpcd"));
    if (!conf.open(QIODevice::WriteOnly) ||
        conf.write(QString("FRIENDLYNAME \"Virtual PCD\"\nDEVICENAME /dev/null:%1\n"
                           "LIBPATH %2\nCHANNELID %1\n")
                       .arg(m_port)
                       .arg(kDriver)
                       .toUtf8()) < 0) {
        why = "cannot write the reader configuration";
        return false;
    }
    conf.close();
    m_socket = m_dir.filePath("pcscd.comm");
    // This process's PC/SC calls go to this service alone.
    qputenv("PCSCLITE_CSOCK_NAME", QFile::encodeName(m_socket));
    m_own = true;
    return restart(why);
}

bool OwnPcscd::restart(QString &why) {
    if (!m_own)
        return true;
    bool ok = false;
    sockaddr_un a = unixAddress(m_socket, ok);
    ::unlink(QFile::encodeName(m_socket).constData());
    // Not close-on-exec: pcscd takes it over as its listening socket.
    m_listen = ok ? ::socket(AF_UNIX, SOCK_STREAM, 0) : -1;
    if (m_listen < 0 || ::bind(m_listen, reinterpret_cast<sockaddr *>(&a), sizeof a) != 0 ||
        ::listen(m_listen, 16) != 0) {
        why = QString("cannot listen on %1: %2").arg(m_socket, strerror(errno));
        return false;
    }
    return spawn(why);
}

bool OwnPcscd::spawn(QString &why) {
    const QByteArray logPath = QFile::encodeName(m_dir.filePath("pcscd.log"));
    const QByteArray confDir = QFile::encodeName(m_dir.filePath("conf"));
    // As systemd hands a socket over: fd 3, and LISTEN_PID the pid of pcscd
    // itself, which the shell keeps through exec.
    QByteArray script = "LISTEN_PID=$$ LISTEN_FDS=1 exec " + QFile::encodeName(kPcscd) +
                        " --foreground --info --config " + confDir;
    QList<QByteArray> env;
    for (char **e = environ; *e; ++e)
        if (std::strncmp(*e, "LISTEN_", 7) != 0)
            env.append(*e);
    std::vector<char *> envp;
    for (QByteArray &e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    char sh[] = "/bin/sh";
    char c[] = "-c";
    char *argv[] = {sh, c, script.data(), nullptr};
    // Everything is made before the fork: the child only calls what is safe
    // between fork and exec.
    const int logFd = ::open(logPath.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
    if (logFd < 0) {
        why = QString("cannot write the service's log: %1").arg(strerror(errno));
        return false;
    }
    m_pid = ::fork();
    if (m_pid == 0) {
        // A test killed on its timeout takes its service with it.
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::dup2(logFd, 1) < 0 || ::dup2(logFd, 2) < 0 || ::dup2(m_listen, 3) < 0)
            ::_exit(127);
        ::execve(sh, argv, envp.data());
        ::_exit(127);
    }
    const int rc = m_pid < 0 ? errno : 0;
    ::close(logFd);
    // The service holds the socket now; closing ours keeps one owner.
    ::close(m_listen);
    m_listen = -1;
    if (rc != 0) {
        m_pid = -1;
        why = QString("cannot start pcscd: %1").arg(strerror(rc));
        return false;
    }
    // Ready once it answers on its socket.
    const bool up = QTest::qWaitFor(
        [&] {
            int status = 0;
            return ::waitpid(m_pid, &status, WNOHANG) == m_pid || log().contains("daemon ready");
        },
        10000);
    if (!up || !log().contains("daemon ready")) {
        why = "pcscd did not start: " + log();
        m_pid = -1;
        return false;
    }
    return true;
}

void OwnPcscd::stop() {
    if (m_pid <= 0)
        return;
    ::kill(m_pid, SIGTERM);
    int status = 0;
    const bool ended =
        QTest::qWaitFor([&] { return ::waitpid(m_pid, &status, WNOHANG) == m_pid; }, 5000);
    if (!ended) {
        ::kill(m_pid, SIGKILL);
        ::waitpid(m_pid, &status, 0);
    }
    m_pid = -1;
    ::unlink(QFile::encodeName(m_socket).constData());
}

QString OwnPcscd::log() const {
    QFile f(m_dir.filePath("pcscd.log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(6000)) : QString();
}
