#pragma once

#include "data/CalcSettings.h"
#include "maintenance/BackupCopy.h"
#include "maintenance/MonthHistory.h"
#include "maintenance/MonthList.h"
#include "screen/Services.h"

#include <functional>

class SafetyFolder;
#include <optional>

// The backup and restore screen (frmbp) without its widgets: the mode, the
// list-reset switch, the backup folder address, the list of the source side's
// months, the creation of a backup folder and the copy.
class BackupRestore {
public:
    enum class Mode { None, Hozon, Hukugen };

    explicit BackupRestore(Services &services);

    // Reads Kijyun.Dat for the month in use (a missing file stays missing:
    // a restore may bring it). False when a fatal file error ended the program.
    bool open();

    // Option1 "バックアップをとる" / Option2 "データを復元する" chosen.
    void chooseMode(Mode mode);
    Mode mode() const { return m_mode; }
    // "hozon", "hukugen" or empty.
    QString modeWord() const;
    // The list-reset switch: empty or "huka".
    QString resetSwitch() const { return m_resetSwitch; }

    // The folder chooser's path changed, by the user or by the program.
    void folderChanged(const QString &path);
    // The backup folder address (Label3); empty until a folder is chosen.
    QString address() const { return m_address; }

    const MonthList &list() const { return m_list; }
    // A click on entry index that left it selected or not.
    void click(int index, bool selected);

    // A new backup folder can be named (Text1) and made (Command3 "作　成"):
    // while backing up, until one is made.
    bool folderNameEnabled() const { return m_folderNameEnabled; }
    bool createFolderEnabled() const { return m_createFolderEnabled; }
    // The copy can start (Command1 "コピー開始"): once a month was selected.
    bool copyEnabled() const { return m_copyEnabled; }

    // "基本設定と名簿も含める": Kijyun.Dat, Meibo.Dat, Jougen.Dat and the IC
    // cards' files go along, and the change history (see HistoryCopy).
    void setIncludeBasics(bool include) { m_includeBasics = include; }

    // Command3 "作　成" with the name in Text1. Returns the new folder's path
    // when it was made; the chooser then shows it (the folder change has run).
    std::optional<QString> createFolder(const QString &name);
    // Why a new folder name is refused, or empty when it may be made.
    static QString unsafeNameText(const QString &name);

    // Command1 "コピー開始". Returns what was copied (nothing when the copy
    // did not start).
    std::optional<backupcopy::Report> copy();
    // Called with true before the files are copied and false after.
    std::function<void(bool)> onBusy;

    QString monthInUse() const;

private:
    void fill(bool announceEmpty);
    QStringList restoreOverMonthInUse(QStringList months);
    bool askBeforeReplacingBasics();
    // The months without those that are links in the data folder, each of
    // those named in refused.
    QStringList withoutLinks(const QStringList &months, bool backup, QStringList &refused);
    // Keeps the data folder's cards that restoring months replaces; returns
    // the months whose cards were kept, each other one named in refused.
    QStringList keepReplaced(SafetyFolder &safety, const QStringList &months, QStringList &refused);
    // The restored punches that are not in the data folder after the copy
    // are recorded as not made.
    void takeBackMissing(const history::Written &w, const monthhistory::Changes &changes,
                         const backupcopy::Report &report);
    // Writes the history's head into the backup folder, and the folder into
    // the anchor.
    void anchorBackup(backupcopy::Report &report);

    Services &m_s;
    CalcSettings m_settings;
    Mode m_mode = Mode::None;
    QString m_resetSwitch;
    QString m_address;
    MonthList m_list;
    bool m_folderNameEnabled = false;
    bool m_createFolderEnabled = false;
    bool m_copyEnabled = false;
    bool m_includeBasics = false;
};
