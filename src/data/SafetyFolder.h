#pragma once

#include "platform/Clock.h"
#include "platform/FileSystem.h"

#include <QString>
#include <QStringList>

// The safety folder "Taihi" of the data folder: what a card removal, card
// organizing or a restore takes away is kept there before it goes, one dated
// folder per action ("Taihi/20070310-093015-hukugen"), holding the card
// month folders as the data folder does ("…/2007年3月/12.Card"). A dated
// folder can thus be chosen as the backup folder of a restore to bring its
// cards back. No month list shows it: its name holds no "月".
class SafetyFolder {
public:
    static constexpr char kName[] = "Taihi";

    // The keeping of one action, word naming the action as the change history
    // does ("kaadosakujo", "seiri", "hukugen"). Nothing is made before keep().
    SafetyFolder(FileSystem &fs, const Clock &clock, QString word);

    // Keeps the named files of a card month folder of the data folder before
    // they are deleted or replaced: their exact bytes, synced. None (or
    // Unconfirmed) when all are kept; otherwise the caller must not delete or
    // replace them.
    FileError keep(const QString &month, const QStringList &names);
    // The dated folder below the data folder; empty while nothing was kept.
    QString place() const { return m_place; }
    // what + "は「" + the dated folder's full path + "」に控えてあります。"
    QString keptText(const QString &what) const;
    // The reason of the change history's records of the action: where what
    // it takes away is kept ("控え：Taihi/20070310-093015-hukugen"); empty
    // while nothing was kept.
    QString reason() const;
    // Before the action: what + "は、データフォルダの「Taihi」に控えとして残します。"
    static QString aheadText(const QString &what);

    struct Contents {
        int keepings = 0;  // dated folders
        qint64 bytes = 0;  // what they hold
        bool link = false; // "Taihi" is a symbolic link: never read, never emptied
    };
    static Contents contents(FileSystem &fs);
    // Removes the safety folder with all it holds; a link in its place is
    // refused (Damaged).
    static FileError empty(FileSystem &fs);
    // "0 KB", "350 KB", "12.4 MB", "1.2 GB".
    static QString sizeText(qint64 bytes);

private:
    FileSystem &m_fs;
    const Clock &m_clock;
    QString m_word;
    QString m_place;
};
