#pragma once

#include <QString>
#include <functional>
#include <memory>

class QFileSystemWatcher;
class QLockFile;

// Whether another instance of the program runs.
class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this is the only instance; it stays so until destroyed. False
    // only when a running instance holds the lock.
    virtual bool acquire() = 0;
    // From a second start that found the lock held: tells the running
    // instance, whose onCalled runs (it brings its window to the front).
    virtual void callRunning() {}
    std::function<void()> onCalled;
};

// A lock file in the data folder. A lock left by a killed process is stale and
// taken over. A second start writes the call file beside it, which the
// running instance watches.
class LockFileInstance : public SingleInstance {
public:
    explicit LockFileInstance(const QString &dataFolder);
    ~LockFileInstance() override;
    bool acquire() override;
    void callRunning() override;

private:
    void watch();
    QString m_callPath;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};
