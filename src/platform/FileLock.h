#pragma once

#include "platform/FileError.h"

#include <functional>
#include <utility>

// A write lock on a file of the data folder, or on a whole card month folder,
// held while the file is read again, changed and saved (FileSystem::lockFile).
// It is released when the object goes. A lock that could not be taken holds
// the error that kept it.
class FileLock {
public:
    // Held, with nothing to release: no other program can write there.
    FileLock() = default;
    explicit FileLock(FileError error) : m_error(error) {}
    explicit FileLock(std::function<void()> release) : m_release(std::move(release)) {}
    FileLock(FileLock &&other) noexcept
        : m_release(std::exchange(other.m_release, nullptr)), m_error(other.m_error) {}
    FileLock &operator=(FileLock &&other) noexcept {
        if (this != &other) {
            release();
            m_release = std::exchange(other.m_release, nullptr);
            m_error = other.m_error;
        }
        return *this;
    }
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    ~FileLock() { release(); }

    bool held() const { return m_error == FileError::None; }
    FileError error() const { return m_error; }
    void release() {
        if (m_release)
            std::exchange(m_release, nullptr)();
    }

private:
    std::function<void()> m_release;
    FileError m_error = FileError::None;
};
