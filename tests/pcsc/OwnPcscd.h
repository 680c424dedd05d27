#pragma once

#include <QString>
#include <QTemporaryDir>
#include <sys/types.h>

// A PC/SC service for the test: pcscd with the virtual reader of
// vsmartcard-vpcd, which a card emulator reaches over TCP. Where no pcscd
// runs, the test's own is started on a socket of its own in a temporary
// folder (handed over as systemd does, so nothing else of the machine is
// touched) and this process's PC/SC calls go there; its virtual reader
// listens on a free port. Where a pcscd runs, it is used as it is, with the
// port the virtual reader's configuration gives.
class OwnPcscd {
public:
    OwnPcscd();
    ~OwnPcscd();

    // False with the reason when the service cannot run here.
    bool start(QString &why);
    // The port a card emulator connects to.
    int port() const { return m_port; }
    // Whether the service is this test's own: only then can it be stopped.
    bool own() const { return m_own; }
    // The service goes away, and comes back on the same socket.
    void stop();
    bool restart(QString &why);
    QString log() const;

private:
    bool spawn(QString &why);

    QTemporaryDir m_dir;
    QString m_socket;
    int m_listen = -1;
    pid_t m_pid = -1;
    int m_port = 0;
    bool m_own = false;
};
