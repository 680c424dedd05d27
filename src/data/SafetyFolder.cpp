#include "data/SafetyFolder.h"

#include "data/MonthFolders.h"

namespace {

const QString kFolder = QLatin1String(SafetyFolder::kName);

bool isOneName(const QString &name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(QLatin1Char('/'));
}

} // namespace

SafetyFolder::SafetyFolder(FileSystem &fs, const Clock &clock, QString word)
    : m_fs(fs), m_clock(clock), m_word(std::move(word)) {}

FileError SafetyFolder::keep(const QString &month, const QStringList &names) {
    if (names.isEmpty())
        return FileError::None;
    if (!isOneName(month))
        return FileError::BadName;
    if (m_place.isEmpty()) {
        // One folder of its own for each action, even within one second.
        const QString base = monthfolders::inFolder(
            kFolder, m_clock.now().toString(QStringLiteral("yyyyMMdd-HHmmss-")) + m_word);
        QString place = base;
        for (int n = 2; m_fs.exists(place) || m_fs.isLink(place); ++n)
            place = base + QLatin1Char('-') + QString::number(n);
        m_place = place;
    }
    return m_fs.keepFiles(month, names, monthfolders::inFolder(m_place, month));
}

QString SafetyFolder::keptText(const QString &what) const {
    return what + QStringLiteral("は「") + monthfolders::inFolder(m_fs.dataFolder(), m_place) +
           QStringLiteral("」に控えてあります。");
}

QString SafetyFolder::reason() const {
    return m_place.isEmpty() ? QString() : QStringLiteral("控え：") + m_place;
}

QString SafetyFolder::aheadText(const QString &what) {
    return what + QStringLiteral("は、データフォルダの「") + kFolder +
           QStringLiteral("」に控えとして残します。");
}

SafetyFolder::Contents SafetyFolder::contents(FileSystem &fs) {
    Contents c;
    if (fs.isLink(kFolder)) {
        c.link = true;
        return c;
    }
    c.keepings = static_cast<int>(fs.list(kFolder, QStringLiteral("*"), ListKind::Folders).size());
    c.bytes = std::max<qint64>(0, fs.treeBytes(kFolder));
    return c;
}

FileError SafetyFolder::empty(FileSystem &fs) {
    if (fs.isLink(kFolder))
        return FileError::Damaged;
    if (!fs.exists(kFolder))
        return FileError::None;
    return fs.removeTree(kFolder);
}

QString SafetyFolder::sizeText(qint64 bytes) {
    constexpr qint64 kKilo = 1024;
    constexpr qint64 kMega = kKilo * kKilo;
    constexpr qint64 kGiga = kMega * kKilo;
    if (bytes < kMega)
        return QString::number((bytes + kKilo - 1) / kKilo) + QStringLiteral(" KB");
    if (bytes < kGiga)
        return QString::number(double(bytes) / double(kMega), 'f', 1) + QStringLiteral(" MB");
    return QString::number(double(bytes) / double(kGiga), 'f', 1) + QStringLiteral(" GB");
}
