#include "screen/ui/SaveFileDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>
#include <QWidget>

QString askSaveFile(QWidget *parent, const QString &title, const QString &suggestedName,
                    const QString &filter, const QString &extension) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(parent ? parent->window() : nullptr, title,
                                                QDir(folder).filePath(suggestedName), filter);
    if (!path.isEmpty() && !path.endsWith(extension, Qt::CaseInsensitive))
        path += extension;
    return path;
}
