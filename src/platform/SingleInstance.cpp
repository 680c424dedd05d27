#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>
#include <QStandardPaths>

LockFileInstance::LockFileInstance(const QString &folder)
    : m_lock(std::make_unique<QLockFile>(QDir(folder).filePath(QStringLiteral(".kelvane.lock")))) {
    // Only a dead owner makes the lock stale, never its age: the program runs all day.
    m_lock->setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::acquire() {
    if (m_lock->tryLock(0))
        return true;
    // Only a lock held by a running instance means "another instance": a data
    // folder that cannot hold the lock (read-only, gone) must not make the
    // program vanish without a word; its file errors then speak for it.
    return m_lock->error() != QLockFile::LockFailedError;
}

QString sessionFolder() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    return runtime.isEmpty() ? QDir::tempPath() : runtime;
}
