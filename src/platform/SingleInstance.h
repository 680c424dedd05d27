#pragma once

#include <QString>
#include <memory>

class QLockFile;

// Whether another instance of the program runs.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this is the only instance; it stays so until destroyed. False
    // only when a running instance holds the lock.
    virtual bool acquire() = 0;
};

// A lock file in a folder. A lock left by a killed process is stale and taken
// over.
class LockFileInstance : public SingleInstance {
public:
    explicit LockFileInstance(const QString &folder);
    ~LockFileInstance() override;
    bool acquire() override;

private:
    std::unique_ptr<QLockFile> m_lock;
};

// Where the one instance of a user's session keeps its lock: the session's
// own runtime folder on this PC, never the data folder, which many PCs share.
QString sessionFolder();
