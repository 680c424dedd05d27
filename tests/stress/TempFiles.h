#pragma once

#include "platform/SafeSave.h"

#include <QDir>
#include <QStringList>

// Names left by an interrupted save anywhere in the data folder or its
// month folders; any name with the marker counts, not only the exact pattern.
inline QStringList tempsIn(const QString &root) {
    QStringList found;
    const QDir top(root);
    QStringList folders{QString()};
    for (const QString &sub : top.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        folders.append(sub);
    for (const QString &folder : folders) {
        const QDir dir(top.filePath(folder));
        for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
            if (name.contains(QLatin1String(kTempMarker)))
                found.append(dir.filePath(name));
    }
    return found;
}
