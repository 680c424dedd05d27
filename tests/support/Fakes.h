#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/ProgramEnd.h"
#include "platform/SettingsStore.h"
#include "platform/SingleInstance.h"
#include "support/Printers.h"

#include <QDateTime>
#include <QList>
#include <QMap>
#include <deque>
#include <functional>

// Records every message box and answers from a script; with an empty script
// it answers OK, or Yes for a box with a Yes button.
class ScriptedDialogs : public Dialogs {
public:
    struct Box {
        QString text;
        QString title;
        BoxIcon icon;
        BoxButtons buttons;
    };
    BoxAnswer message(const QString &text, const QString &title, BoxIcon icon,
                      BoxButtons buttons) override;

    void answer(BoxAnswer a) { m_script.push_back(a); }
    const QList<Box> &boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }
    // Runs while a box is "open", to check what a handler does meanwhile.
    std::function<void(const Box &)> onBox;

private:
    QList<Box> m_boxes;
    std::deque<BoxAnswer> m_script;
};

class FixedClock : public Clock {
public:
    explicit FixedClock(QDateTime t = QDateTime(QDate(2007, 3, 1), QTime(9, 0, 0)))
        : m_now(std::move(t)) {}
    QDateTime now() const override { return m_now; }
    void set(const QDateTime &t) { m_now = t; }
    void set(int y, int mo, int d, int h, int mi, int s = 0) {
        m_now = QDateTime(QDate(y, mo, d), QTime(h, mi, s));
    }
    void advanceSeconds(int s) { m_now = m_now.addSecs(s); }

private:
    QDateTime m_now;
};

class FakeProgramEnd : public ProgramEnd {
public:
    void endProgram() override { ++calls; }
    bool ended() const override { return calls > 0; }
    int calls = 0;
};

class FakeSingleInstance : public SingleInstance {
public:
    explicit FakeSingleInstance(bool free = true) : m_free(free) {}
    bool acquire() override { return m_free; }

private:
    bool m_free;
};

// The real file system with chosen calls made to fail: the n-th call of an
// operation (counted from 1) returns the given error without touching disk;
// a replace given Unconfirmed replaces the file and then says so.
class FaultyFileSystem : public LocalFileSystem {
public:
    enum class Op {
        Read,
        Replace,
        List,
        MakeFolder,
        RemoveFolder,
        RemoveFile,
        ReadPart,
        Append,
        Truncate,
        Keep,
        RemoveTree
    };
    using LocalFileSystem::LocalFileSystem;

    void failOn(Op op, int nth, FileError error) { m_faults.append({op, nth, error}); }
    // Every call of the operation fails from the n-th on.
    void failFrom(Op op, int nth, FileError error) { m_faults.append({op, -nth, error}); }
    int calls(Op op) const { return m_counts.value(static_cast<int>(op)); }

    FileError replaceFile(const QString &path, const QByteArray &bytes) override;
    ReadResult readPart(const QString &path, qint64 offset, qint64 maxBytes) override;
    // A failed append leaves the file as it was, as the real one does.
    FileError appendFile(const QString &path, const QByteArray &bytes) override;
    FileError truncateFile(const QString &path, qint64 size) override;
    // File by file, so a fault can hit the n-th file of a batch.
    FileError replaceFiles(const QString &folder,
                           const QList<std::pair<QString, QByteArray>> &files) override {
        return FileSystem::replaceFiles(folder, files);
    }
    // Folder by folder, each file by file.
    std::unique_ptr<FileBatch> batch() override { return FileSystem::batch(); }
    QStringList list(const QString &folder, const QString &pattern, ListKind kind) override;
    FileError makeFolder(const QString &path) override;
    FileError removeFolder(const QString &path) override;
    FileError removeFile(const QString &path) override;
    FileError keepFiles(const QString &folder, const QStringList &names,
                        const QString &toFolder) override;
    FileError removeTree(const QString &path) override;
    // A data folder mounted read-only, as the program sees it at start.
    bool readOnly = false;
    bool canWrite(const QString &folder) override {
        return !readOnly && LocalFileSystem::canWrite(folder);
    }

protected:
    ReadResult readBounded(const QString &path, qint64 maxBytes) override;

private:
    struct Fault {
        Op op;
        int nth;
        FileError error;
    };
    FileError tick(Op op);
    QList<Fault> m_faults;
    QMap<int, int> m_counts;
};
