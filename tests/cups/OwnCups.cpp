#include "cups/OwnCups.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTest>
#include <cstring>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

const QString kPdfDriver = "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd";
// cups-pdf reads the configuration of a queue "cups-pdf:/NAME" from here.
const QString kCupsPdfConfFolder = "/etc/cups";

bool write(const QString &path, const QString &text) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(text.toUtf8()) >= 0;
}

// Whether something accepts connections on the socket.
bool listens(const QString &path) {
    const QByteArray name = QFile::encodeName(path);
    sockaddr_un addr{};
    if (name.size() >= static_cast<qsizetype>(sizeof(addr.sun_path)))
        return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    if (fd < 0)
        return false;
    const bool ok = ::connect(fd, reinterpret_cast<sockaddr *>(&addr), sizeof(addr)) == 0;
    ::close(fd);
    return ok;
}

} // namespace

OwnCups::OwnCups() = default;

OwnCups::~OwnCups() {
    if (m_cupsd.state() != QProcess::NotRunning) {
        m_cupsd.terminate();
        if (!m_cupsd.waitForFinished(5000)) {
            m_cupsd.kill();
            m_cupsd.waitForFinished(2000);
        }
    }
    if (!m_instanceConf.isEmpty())
        QFile::remove(m_instanceConf);
}

QString OwnCups::log() const {
    QFile f(m_dir.filePath("log/error_log"));
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll().right(4000)) : QString();
}

bool OwnCups::start(QString &why) {
    const QString cupsd = QStandardPaths::findExecutable("cupsd", {"/usr/sbin", "/usr/local/sbin"});
    if (cupsd.isEmpty()) {
        why = "cupsd is not installed (package cups)";
        return false;
    }
    if (geteuid() != 0) {
        why = "not root: the PDF queue's backend runs only under a cupsd started by root";
        return false;
    }
    if (!m_dir.isValid()) {
        why = "no temporary folder";
        return false;
    }
    const QString d = m_dir.path();
    for (const char *sub : {"etc", "spool", "tmp", "cache", "state", "log", "out"})
        QDir(d).mkpath(sub);
    // The filters run as lp: they must reach the spool and the temporary folder.
    ::chmod(QFile::encodeName(d).constData(), 0755);
    ::chmod(QFile::encodeName(d + "/tmp").constData(), 01777);
    const QString files =
        QString("ServerRoot %1/etc\nRequestRoot %1/spool\nTempDir %1/tmp\n"
                "CacheDir %1/cache\nStateDir %1/state\nAccessLog %1/log/access_log\n"
                "ErrorLog %1/log/error_log\nPageLog %1/log/page_log\n"
                "Printcap %1/printcap\nUser lp\nGroup lp\nSystemGroup root\n")
            .arg(d);
    const QString conf = QString("Listen %1\nLogLevel debug\nBrowsing No\nWebInterface No\n"
                                 "DefaultAuthType None\n<Location />\n  Order allow,deny\n"
                                 "  Allow all\n</Location>\n<Policy default>\n  <Limit All>\n"
                                 "    Order deny,allow\n  </Limit>\n</Policy>\n")
                             .arg(socket());
    if (!write(d + "/etc/cups-files.conf", files) || !write(d + "/etc/cupsd.conf", conf)) {
        why = "cannot write the configuration";
        return false;
    }
    m_cupsd.setProcessChannelMode(QProcess::MergedChannels);
    m_cupsd.start(cupsd, {"-f", "-c", d + "/etc/cupsd.conf", "-s", d + "/etc/cups-files.conf"});
    if (!m_cupsd.waitForStarted(5000)) {
        why = "cupsd did not start: " + m_cupsd.errorString();
        return false;
    }
    const bool listening = QTest::qWaitFor(
        [&] { return m_cupsd.state() == QProcess::NotRunning || listens(socket()); }, 10000);
    if (!listening || m_cupsd.state() == QProcess::NotRunning) {
        why = "cupsd ended or does not listen: " + QString::fromUtf8(m_cupsd.readAll()) + log();
        return false;
    }
    return true;
}

bool OwnCups::run(const QString &program, const QStringList &args, QString &why) {
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(program, args);
    if (!p.waitForFinished(20000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        why = program + " " + args.join(' ') + ": " + QString::fromUtf8(p.readAll()) +
              p.errorString();
        return false;
    }
    return true;
}

bool OwnCups::addPdfQueue(const QString &name, QString &why) {
    if (!QFileInfo::exists(kPdfDriver)) {
        why = kPdfDriver + " is missing (package printer-driver-cups-pdf)";
        return false;
    }
    const QString lpadmin = QStandardPaths::findExecutable("lpadmin", {"/usr/sbin", "/usr/bin"});
    if (lpadmin.isEmpty()) {
        why = "lpadmin is missing (package cups-client)";
        return false;
    }
    // The queue's own configuration, so its files land in this folder.
    const QString instance = QString("kelvane-test-%1").arg(::getpid());
    m_instanceConf = kCupsPdfConfFolder + "/cups-pdf-" + instance + ".conf";
    if (!write(m_instanceConf, QString("Out %1\nAnonDirName %1\nSpool %2/cups-pdf-spool\n"
                                       "Grp root\nLog %2/log\nLogType 3\n")
                                   .arg(outFolder(), m_dir.path()))) {
        why = "cannot write " + m_instanceConf;
        return false;
    }
    return run(lpadmin,
               {"-h", socket(), "-p", name, "-E", "-v", "cups-pdf:/" + instance, "-P", kPdfDriver},
               why) &&
           run(lpadmin, {"-h", socket(), "-d", name}, why);
}
