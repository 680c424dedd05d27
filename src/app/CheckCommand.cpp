#include "app/CheckCommand.h"

#include "data/HistoryAudit.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace checkcommand {

QString dataFolderOf(const QStringList &arguments, const QString &programFolder) {
    const QString named = arguments.value(2);
    return QDir::cleanPath(QFileInfo(named.isEmpty() ? programFolder : named).absoluteFilePath());
}

int run(const QString &dataFolder, SettingsStore &store, QTextStream &out, QTextStream &err) {
    if (!QFileInfo(dataFolder).isDir()) {
        err << QStringLiteral("kelvane --check: データフォルダ %1 がありません。").arg(dataFolder)
            << Qt::endl;
        return 2;
    }
    LocalFileSystem fs(dataFolder);
    const history::Audit a = history::audit(fs, store);
    out << QStringLiteral("変更履歴の検査　%1　%2")
               .arg(dataFolder,
                    QDateTime::currentDateTime().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss")))
        << Qt::endl;
    for (const QString &line : history::auditLines(a))
        out << line << Qt::endl;
    return a.exitCode();
}

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    QTextStream out(stdout), err(stderr);
    if (arguments.size() > 3) {
        err << QStringLiteral("使い方: kelvane --check [データフォルダ]") << Qt::endl;
        return 2;
    }
    QtSettingsStore store;
    return run(dataFolderOf(arguments, QCoreApplication::applicationDirPath()), store, out, err);
}

} // namespace checkcommand
