#pragma once

#include "platform/FileError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <utility>

struct ReadResult {
    QByteArray bytes;
    FileError error = FileError::None;
    bool ok() const { return error == FileError::None; }
};

enum class ListKind { Files, Folders, FilesAndFolders };

// The data folder and the folders a user points at (backup, import source).
// A relative path is taken below the data folder; an absolute one as it is.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual QString dataFolder() const = 0;
    virtual ReadResult readFile(const QString &path) = 0;
    // Replaces the whole file atomically: the old file stays on any failure.
    virtual FileError replaceFile(const QString &path, const QByteArray &bytes) = 0;
    // Replaces several files of one folder (names, not paths). Each file is
    // replaced whole or not at all; on an error the files not yet in place keep
    // their old content. By default one replaceFile after the other.
    virtual FileError replaceFiles(const QString &folder,
                                   const QList<std::pair<QString, QByteArray>> &files);
    // Names (not paths) of the entries of a folder matching a wildcard pattern,
    // sorted by name.
    virtual QStringList list(const QString &folder, const QString &pattern, ListKind kind) = 0;
    virtual FileError makeFolder(const QString &path) = 0;
    // Removes an empty folder.
    virtual FileError removeFolder(const QString &path) = 0;
    virtual FileError removeFiles(const QString &folder, const QString &pattern) = 0;
    virtual bool exists(const QString &path) = 0;
    virtual bool isFolder(const QString &path) = 0;
};

// The real file system, rooted at the data folder.
class LocalFileSystem : public FileSystem {
public:
    explicit LocalFileSystem(QString dataFolder);

    QString dataFolder() const override { return m_root; }
    ReadResult readFile(const QString &path) override;
    FileError replaceFile(const QString &path, const QByteArray &bytes) override;
    // With one flush of the file system for all the files.
    FileError replaceFiles(const QString &folder,
                           const QList<std::pair<QString, QByteArray>> &files) override;
    QStringList list(const QString &folder, const QString &pattern, ListKind kind) override;
    FileError makeFolder(const QString &path) override;
    FileError removeFolder(const QString &path) override;
    FileError removeFiles(const QString &folder, const QString &pattern) override;
    bool exists(const QString &path) override;
    bool isFolder(const QString &path) override;

    QString resolve(const QString &path) const;

private:
    QString m_root;
};
