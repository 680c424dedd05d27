#include "platform/FileSystem.h"

#include "platform/SafeSave.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

LocalFileSystem::LocalFileSystem(QString dataFolder) : m_root(QDir(dataFolder).absolutePath()) {}

QString LocalFileSystem::resolve(const QString &path) const {
    if (QDir::isAbsolutePath(path))
        return QDir::cleanPath(path);
    return QDir::cleanPath(m_root + QLatin1Char('/') + path);
}

ReadResult LocalFileSystem::readFile(const QString &path) {
    ReadResult r;
    const QByteArray name = QFile::encodeName(resolve(path));
    int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int err = errno;
        r.error = fileErrorFromErrno(err);
        // A missing folder is "path not found", never a file to create.
        if (err == ENOENT && !QFileInfo(QFileInfo(resolve(path)).absolutePath()).isDir())
            r.error = FileError::PathNotFound;
        return r;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        r.error = FileError::PathFileAccess;
        return r;
    }
    char buf[65536];
    for (;;) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            r.error = fileErrorFromErrno(errno);
            r.bytes.clear();
            break;
        }
        if (n == 0)
            break;
        r.bytes.append(buf, n);
    }
    ::close(fd);
    return r;
}

FileError LocalFileSystem::replaceFile(const QString &path, const QByteArray &bytes) {
    return safeReplace(resolve(path), bytes);
}

FileError FileSystem::replaceFiles(const QString &folder,
                                   const QList<std::pair<QString, QByteArray>> &files) {
    for (const auto &[name, bytes] : files)
        if (FileError e = replaceFile(folder + QLatin1Char('/') + name, bytes);
            e != FileError::None)
            return e;
    return FileError::None;
}

FileError LocalFileSystem::replaceFiles(const QString &folder,
                                        const QList<std::pair<QString, QByteArray>> &files) {
    return safeReplaceAll(resolve(folder), files);
}

QStringList LocalFileSystem::list(const QString &folder, const QString &pattern, ListKind kind) {
    QDir::Filters filters;
    switch (kind) {
    case ListKind::Files:
        filters = QDir::Files;
        break;
    case ListKind::Folders:
        filters = QDir::Dirs | QDir::NoDotAndDotDot;
        break;
    case ListKind::FilesAndFolders:
        filters = QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot;
        break;
    }
    QDir dir(resolve(folder));
    return dir.entryList({pattern}, filters, QDir::Name);
}

FileError LocalFileSystem::makeFolder(const QString &path) {
    const QByteArray name = QFile::encodeName(resolve(path));
    if (::mkdir(name.constData(), 0777) != 0)
        return fileErrorFromErrno(errno);
    return FileError::None;
}

FileError LocalFileSystem::removeFolder(const QString &path) {
    const QByteArray name = QFile::encodeName(resolve(path));
    if (::rmdir(name.constData()) != 0)
        return fileErrorFromErrno(errno);
    return FileError::None;
}

FileError LocalFileSystem::removeFiles(const QString &folder, const QString &pattern) {
    QDir dir(resolve(folder));
    if (!dir.exists())
        return FileError::PathNotFound;
    const auto names = dir.entryList({pattern}, QDir::Files);
    if (names.isEmpty())
        return FileError::NotFound;
    for (const QString &n : names) {
        const QByteArray p = QFile::encodeName(dir.filePath(n));
        if (::unlink(p.constData()) != 0)
            return fileErrorFromErrno(errno);
    }
    return FileError::None;
}

bool LocalFileSystem::exists(const QString &path) {
    return QFileInfo::exists(resolve(path));
}

bool LocalFileSystem::isFolder(const QString &path) {
    return QFileInfo(resolve(path)).isDir();
}
