#include "tally/ui/CsvFileChooser.h"

#include <QDir>
#include <QFileDialog>
#include <QStandardPaths>

QString CsvFileChooser::askCsvFile(const QString &suggestedName) {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString path = QFileDialog::getSaveFileName(
        m_parent ? m_parent->window() : nullptr, QStringLiteral("給与計算用データの出力"),
        QDir(folder).filePath(suggestedName), QStringLiteral("CSV ファイル (*.csv)"));
    if (!path.isEmpty() && !path.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive))
        path += QStringLiteral(".csv");
    return path;
}
