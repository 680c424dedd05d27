#include "support/Fakes.h"

BoxAnswer ScriptedDialogs::message(const QString &text, const QString &title, BoxIcon icon,
                                   BoxButtons buttons) {
    m_boxes.append({text, title, icon, buttons});
    if (onBox)
        onBox(m_boxes.back());
    if (!m_script.empty()) {
        BoxAnswer a = m_script.front();
        m_script.pop_front();
        return a;
    }
    return buttons == BoxButtons::YesNo || buttons == BoxButtons::YesNoCancel ? BoxAnswer::Yes
                                                                              : BoxAnswer::Ok;
}

QStringList ScriptedDialogs::texts() const {
    QStringList t;
    for (const Box &b : m_boxes)
        t.append(b.text);
    return t;
}

FileError FaultyFileSystem::tick(Op op) {
    const int n = ++m_counts[static_cast<int>(op)];
    for (const Fault &f : m_faults) {
        if (f.op != op)
            continue;
        if (f.nth == n || (f.nth < 0 && n >= -f.nth))
            return f.error;
    }
    return FileError::None;
}

ReadResult FaultyFileSystem::readBounded(const QString &path, qint64 maxBytes) {
    if (FileError e = tick(Op::Read); e != FileError::None)
        return {{}, e};
    return LocalFileSystem::readBounded(path, maxBytes);
}

FileError FaultyFileSystem::replaceFile(const QString &path, const QByteArray &bytes) {
    const FileError e = tick(Op::Replace);
    // Unconfirmed is a save that did happen: the file is replaced first.
    if (e == FileError::Unconfirmed) {
        const FileError written = LocalFileSystem::replaceFile(path, bytes);
        return written == FileError::None ? e : written;
    }
    if (e != FileError::None)
        return e;
    return LocalFileSystem::replaceFile(path, bytes);
}

ReadResult FaultyFileSystem::readPart(const QString &path, qint64 offset, qint64 maxBytes) {
    if (FileError e = tick(Op::ReadPart); e != FileError::None)
        return {{}, e};
    return LocalFileSystem::readPart(path, offset, maxBytes);
}

FileError FaultyFileSystem::appendFile(const QString &path, const QByteArray &bytes) {
    if (FileError e = tick(Op::Append); e != FileError::None)
        return e;
    return LocalFileSystem::appendFile(path, bytes);
}

FileError FaultyFileSystem::truncateFile(const QString &path, qint64 size) {
    if (FileError e = tick(Op::Truncate); e != FileError::None)
        return e;
    return LocalFileSystem::truncateFile(path, size);
}

QStringList FaultyFileSystem::list(const QString &folder, const QString &pattern, ListKind kind) {
    if (tick(Op::List) != FileError::None)
        return {};
    return LocalFileSystem::list(folder, pattern, kind);
}

FileError FaultyFileSystem::makeFolder(const QString &path) {
    if (FileError e = tick(Op::MakeFolder); e != FileError::None)
        return e;
    return LocalFileSystem::makeFolder(path);
}

FileError FaultyFileSystem::removeFolder(const QString &path) {
    if (FileError e = tick(Op::RemoveFolder); e != FileError::None)
        return e;
    return LocalFileSystem::removeFolder(path);
}

FileError FaultyFileSystem::removeFile(const QString &path) {
    if (FileError e = tick(Op::RemoveFile); e != FileError::None)
        return e;
    return LocalFileSystem::removeFile(path);
}

FileError FaultyFileSystem::keepFiles(const QString &folder, const QStringList &names,
                                      const QString &toFolder) {
    if (FileError e = tick(Op::Keep); e != FileError::None)
        return e;
    return LocalFileSystem::keepFiles(folder, names, toFolder);
}

FileError FaultyFileSystem::removeTree(const QString &path) {
    if (FileError e = tick(Op::RemoveTree); e != FileError::None)
        return e;
    return LocalFileSystem::removeTree(path);
}
