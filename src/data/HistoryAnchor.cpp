#include "data/HistoryAnchor.h"

#include "data/MonthFolders.h"
#include "data/RecordFile.h"
#include "platform/Sha256.h"

#include <QFileInfo>

namespace history {

namespace {

const QString kApp = QStringLiteral("Kelvane");
constexpr int kKeptLost = 5;
constexpr int kKeptBackups = 20;
const QChar kSep = QLatin1Char('|');

} // namespace

QString Head::shortForm() const {
    return QStringLiteral("%1 行・%2").arg(lines).arg(QString::fromLatin1(hash.left(12)));
}

QStringList headValues(const Head &h) {
    return {QString::number(h.lines), QString::number(h.end), QString::fromLatin1(h.hash), h.when};
}

Head headOf(const QStringList &values) {
    Head h;
    h.lines = values.value(0).toLongLong();
    h.end = values.value(1).toLongLong();
    h.hash = values.value(2).toLatin1();
    h.when = values.value(3);
    return h.isSet() ? h : Head();
}

Anchor::Anchor(SettingsStore &store, const FileSystem &fs) : m_store(store) {
    // One data folder's history is not another's, however its path is written.
    const QString canonical = QFileInfo(fs.dataFolder()).canonicalFilePath();
    const QString folder = canonical.isEmpty() ? fs.dataFolder() : canonical;
    m_section =
        QStringLiteral("Rireki-") + QString::fromLatin1(Sha256::hex(folder.toUtf8()).left(12));
}

QString Anchor::value(const char *key) const {
    return m_store.value(kApp, m_section, QLatin1String(key));
}

bool Anchor::setValue(const char *key, const QString &v) {
    return m_store.setValue(kApp, m_section, QLatin1String(key), v);
}

Head Anchor::head() const {
    return headOf(value("Head").split(kSep));
}

bool Anchor::setHead(const Head &h) {
    return setValue("Head", headValues(h).join(kSep));
}

QList<Head> Anchor::lost() const {
    QList<Head> heads;
    for (const QString &text : value("Lost").split(QLatin1Char(';'), Qt::SkipEmptyParts))
        if (const Head h = headOf(text.split(kSep)); h.isSet())
            heads.append(h);
    return heads;
}

void Anchor::addLost(const Head &h) {
    QStringList texts = value("Lost").split(QLatin1Char(';'), Qt::SkipEmptyParts);
    const QString text = headValues(h).join(kSep);
    if (texts.contains(text))
        return;
    texts.append(text);
    setValue("Lost",
             texts.mid(std::max<qsizetype>(0, texts.size() - kKeptLost)).join(QLatin1Char(';')));
}

QStringList Anchor::backups() const {
    return value("Backups").split(kSep, Qt::SkipEmptyParts);
}

void Anchor::addBackup(const QString &folder) {
    QStringList folders = backups();
    folders.removeAll(folder);
    folders.append(folder);
    setValue("Backups",
             folders.mid(std::max<qsizetype>(0, folders.size() - kKeptBackups)).join(kSep));
}

QSet<QString> Anchor::covered() const {
    const QStringList names = value("Covered").split(kSep, Qt::SkipEmptyParts);
    return QSet<QString>(names.begin(), names.end());
}

void Anchor::setCovered(const QSet<QString> &names) {
    QStringList list(names.begin(), names.end());
    list.sort();
    setValue("Covered", list.join(kSep));
}

FileError writeBackupHead(FileSystem &fs, const QString &folder, const Head &h) {
    return records::write(fs, monthfolders::inFolder(folder, QLatin1String(kBackupHeadFile)),
                          headValues(h));
}

Head readBackupHead(FileSystem &fs, const QString &folder, FileError *error) {
    const records::Read r =
        records::read(fs, monthfolders::inFolder(folder, QLatin1String(kBackupHeadFile)), 4);
    if (error)
        *error = r.error;
    Head h = r.ok() ? headOf(r.values) : Head();
    h.where = folder;
    return h;
}

} // namespace history
