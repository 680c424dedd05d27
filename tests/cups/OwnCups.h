#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// A print service of the test's own: cupsd with its configuration, spool and
// socket in a temporary folder, no network, and PDF queues that write their
// files into that folder. It stops with the object.
class OwnCups {
public:
    OwnCups();
    ~OwnCups();

    // Starts cupsd; false with the reason when it cannot run here.
    bool start(QString &why);
    // Adds a PDF queue (cups-pdf) and makes it the default; false with the
    // reason when it failed.
    bool addPdfQueue(const QString &name, QString &why);
    QString socket() const { return m_dir.filePath("cups.sock"); }
    QString outFolder() const { return m_dir.filePath("out"); }
    QString log() const;

private:
    bool run(const QString &program, const QStringList &args, QString &why);

    QTemporaryDir m_dir;
    QProcess m_cupsd;
    QString m_instanceConf;
};
