#include "platform/SingleInstance.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLockFile>

LockFileInstance::LockFileInstance(const QString &dataFolder)
    : m_callPath(QDir(dataFolder).filePath(QStringLiteral(".kelvane.call"))),
      m_lock(
          std::make_unique<QLockFile>(QDir(dataFolder).filePath(QStringLiteral(".kelvane.lock")))) {
    // Only a dead owner makes the lock stale, never its age: the program runs all day.
    m_lock->setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::acquire() {
    if (m_lock->tryLock(0)) {
        watch();
        return true;
    }
    // Only a lock held by a running instance means "another instance": a data
    // folder that cannot hold the lock (read-only, gone) must not make the
    // program vanish without a word; its file errors then speak for it.
    return m_lock->error() != QLockFile::LockFailedError;
}

void LockFileInstance::watch() {
    QFile call(m_callPath);
    if (!call.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return; // no call file: a second start then ends silently, as before
    call.close();
    m_watcher = std::make_unique<QFileSystemWatcher>(QStringList{m_callPath});
    QObject::connect(m_watcher.get(), &QFileSystemWatcher::fileChanged, m_watcher.get(),
                     [this](const QString &path) {
                         // A file written anew is watched anew.
                         if (!m_watcher->files().contains(path) && QFile::exists(path))
                             m_watcher->addPath(path);
                         if (onCalled && QFileInfo(path).size() > 0)
                             onCalled();
                     });
}

void LockFileInstance::callRunning() {
    QFile call(m_callPath);
    if (call.open(QIODevice::WriteOnly | QIODevice::Truncate))
        call.write(QDateTime::currentDateTime().toString(Qt::ISODate).toUtf8() + '\n');
}
