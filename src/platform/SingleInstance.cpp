#include "platform/SingleInstance.h"

#include <QDir>
#include <QLockFile>

LockFileInstance::LockFileInstance(const QString &dataFolder)
    : m_lock(
          std::make_unique<QLockFile>(QDir(dataFolder).filePath(QStringLiteral(".kelvane.lock")))) {
    // Only a dead owner makes the lock stale, never its age: the program runs all day.
    m_lock->setStaleLockTime(0);
}

LockFileInstance::~LockFileInstance() = default;

bool LockFileInstance::acquire() {
    return m_lock->tryLock(0);
}
