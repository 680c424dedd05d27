#include "maintenance/BackupRestore.h"

#include "data/CardMonth.h"
#include "data/CardUpdate.h"
#include "data/FileFailure.h"
#include "data/HistoryCover.h"
#include "data/SafetyFolder.h"
#include "data/StorableText.h"
#include "maintenance/CopyReport.h"
#include "maintenance/MonthHistory.h"
#include "maintenance/MonthInUse.h"

#include <QDir>
#include <algorithm>

namespace {

const QString kHuka = QStringLiteral("huka");

constexpr int kMaxNameBytes = 255;

QString noDataText() {
    return QStringLiteral("データは作成されていません。");
}

} // namespace

BackupRestore::BackupRestore(Services &services) : m_s(services) {}

bool BackupRestore::open() {
    return monthinuse::readSettings(m_s, false, m_settings);
}

QString BackupRestore::modeWord() const {
    switch (m_mode) {
    case Mode::Hozon:
        return QStringLiteral("hozon");
    case Mode::Hukugen:
        return QStringLiteral("hukugen");
    case Mode::None:
        break;
    }
    return {};
}

QString BackupRestore::monthInUse() const {
    return monthinuse::name(m_s.clock.now().date(), m_settings);
}

void BackupRestore::chooseMode(Mode mode) {
    if (m_resetSwitch.isEmpty()) {
        m_resetSwitch = kHuka;
    } else {
        m_list.clear();
        m_resetSwitch.clear();
    }
    m_mode = mode;
    m_folderNameEnabled = mode == Mode::Hozon;
    m_createFolderEnabled = mode == Mode::Hozon;
}

void BackupRestore::folderChanged(const QString &path) {
    // The chooser's path without a closing separator; a root stays "/".
    m_address = path.isEmpty() ? QString() : QDir::cleanPath(path);
    fill(true);
}

void BackupRestore::fill(bool announceEmpty) {
    if (m_mode == Mode::None)
        return;
    // A new list starts with nothing selected: what was selected in the
    // list before is never copied from this one.
    if (m_mode == Mode::Hozon) {
        const QStringList names = CardMonth::entries(m_s.fs);
        m_list.setLines(names, CardMonth::links(m_s.fs, names));
        if (m_list.isEmpty() && announceEmpty)
            m_s.dialogs.info(noDataText());
        return;
    }
    QStringList names;
    if (!m_address.isEmpty())
        for (const QString &name : CardMonth::entries(m_s.fs, m_address))
            if (!name.contains(QStringLiteral("－")) && !name.contains(QLatin1Char('-')))
                names.append(name);
    m_list.setLines(names);
}

void BackupRestore::click(int index, bool selected) {
    m_list.setSelected(index, selected);
    if (m_mode != Mode::None && m_list.selectedCount() > 0)
        m_copyEnabled = true;
}

QString BackupRestore::unsafeNameText(const QString &name) {
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    bool bad = name.contains(QStringLiteral("..")) || name.startsWith(QLatin1Char('.')) ||
               name.startsWith(QLatin1Char(' ')) || name.endsWith(QLatin1Char(' ')) ||
               name.endsWith(QLatin1Char('.'));
    for (const QChar c : name)
        bad = bad || c.unicode() < 0x20 || c.unicode() == 0x7f || forbidden.contains(c);
    if (bad)
        return QStringLiteral("フォルダ名「") + name +
               QStringLiteral("」は使えません。「/」「\\」「..」や : * ? \" < > | などの記号、"
                              "先頭の「.」、前後の空白はフォルダ名に使えません。");
    if (name.toUtf8().size() > kMaxNameBytes)
        return QStringLiteral("フォルダ名が長すぎます。短い名前にしてください。");
    return {};
}

std::optional<QString> BackupRestore::createFolder(const QString &name) {
    if (name.isEmpty()) {
        m_s.dialogs.info(QStringLiteral("フォルダ名を入力してください。"));
        return std::nullopt;
    }
    if (name.startsWith(QLatin1Char('\\')) || name.startsWith(QStringLiteral("￥"))) {
        m_s.dialogs.info(QStringLiteral(" \\ は不要です。"));
        return std::nullopt;
    }
    if (const QString why = unsafeNameText(name); !why.isEmpty()) {
        m_s.dialogs.info(why);
        return std::nullopt;
    }
    if (!storable::accept(m_s.dialogs, name))
        return std::nullopt;
    // Without a chosen place the folder would land wherever the program runs.
    if (m_address.isEmpty()) {
        m_s.dialogs.info(QStringLiteral("バックアップ用フォルダを作る場所を、ドライブとフォルダで"
                                        "選んでください。"));
        return std::nullopt;
    }
    if (!m_s.dialogs.confirm(m_address + QStringLiteral(" にバックアップ用フォルダ「 ") + name +
                             QStringLiteral(" 」を作成します。")))
        return std::nullopt;
    const QString path = monthfolders::inFolder(m_address, name);
    if (m_s.fs.makeFolder(path) != FileError::None) {
        m_s.dialogs.info(QStringLiteral("このディスクは書き込みができないか、バックアップ用フォルダ"
                                        "は同じ名前で既に作成されています。"));
        return std::nullopt;
    }
    m_address = path;
    m_s.dialogs.info(QStringLiteral("バックアップ用フォルダを作成しました。"));
    m_createFolderEnabled = false;
    folderChanged(path);
    if (m_mode == Mode::Hozon)
        fill(true);
    return path;
}

QStringList BackupRestore::restoreOverMonthInUse(QStringList months) {
    const QString inUse = monthInUse();
    const qsizetype at = months.indexOf(inUse);
    if (at < 0 || !m_s.fs.exists(inUse))
        return months;
    // The month is punched every day: what was punched since the backup goes.
    const QString detail =
        QStringLiteral(
            "バックアップの後に打刻・追加・訂正した時刻は、バックアップの内容に置き換わり"
            "ます。\n") +
        SafetyFolder::aheadText(QStringLiteral("置き換わる今のタイムカード"));
    if (!m_s.dialogs.confirm(monthinuse::question(inUse, QStringLiteral("復元"), detail)))
        months.removeAt(at);
    return months;
}

bool BackupRestore::askBeforeReplacingBasics() {
    const QStringList &names = backupcopy::basicFiles();
    const bool present = std::any_of(names.begin(), names.end(),
                                     [this](const QString &n) { return m_s.fs.exists(n); });
    return !present || m_s.dialogs.confirm(QStringLiteral(
                           "基本設定（Kijyun.Dat）と従業員の名簿（Meibo.Dat）、残業の上限"
                           "（Jougen.Dat）、ICカードの登録（ICKaado.Dat、ICSettei.Dat）を、"
                           "バックアップフォルダのもので置き換えます。"
                           "よろしいですか。"));
}

void BackupRestore::takeBackMissing(const history::Written &w, const monthhistory::Changes &changes,
                                    const backupcopy::Report &report) {
    const QList<qsizetype> missing = monthhistory::notInPlace(m_s.fs, changes);
    if (missing.isEmpty())
        return;
    FileError why = FileError::DeviceIO;
    for (const backupcopy::MonthResult &m : report.months)
        if (!m.copy.ok()) {
            why = m.copy.error;
            break;
        }
    for (const backupcopy::FileResult &f : report.files)
        if (why == FileError::DeviceIO && !isSaved(f.error) && f.error != FileError::NotFound)
            why = f.error;
    history::recordNotMade(m_s, w, why, missing);
}

void BackupRestore::anchorBackup(backupcopy::Report &report) {
    // The backup folder keeps the history's head: a history rewritten or cut
    // after it no longer holds it, and the check says so.
    history::Anchor anchor(m_s.settings, m_s.fs);
    const history::Known k = history::known(m_s.fs, anchor);
    if (k.error != FileError::None || !k.head.isSet())
        return;
    history::Head head = k.head;
    head.when = m_s.clock.now().toString(QStringLiteral("yyyy/MM/dd HH:mm:ss"));
    backupcopy::FileResult r;
    r.name = QLatin1String(history::kBackupHeadFile);
    r.error = history::writeBackupHead(m_s.fs, m_address, head);
    if (isSaved(r.error))
        anchor.addBackup(m_address);
    report.files.append(r);
}

QStringList BackupRestore::withoutLinks(const QStringList &months, bool backup,
                                        QStringList &refused) {
    QStringList kept;
    for (const QString &month : months) {
        if (m_s.fs.isLink(month))
            refused.append(copyreport::linkLine(month, backup ? QStringLiteral("バックアップ")
                                                              : QStringLiteral("復元")));
        else
            kept.append(month);
    }
    return kept;
}

QStringList BackupRestore::keepReplaced(SafetyFolder &safety, const QStringList &months,
                                        QStringList &refused) {
    QStringList going;
    for (const QString &month : months) {
        // The data folder's files that the copy will write over.
        QStringList replaced;
        for (const QString &name : m_s.fs.list(monthfolders::inFolder(m_address, month),
                                               QStringLiteral("*"), ListKind::Files)) {
            const QString mine = monthfolders::inFolder(month, name);
            if (m_s.fs.exists(mine) || m_s.fs.isLink(mine))
                replaced.append(name);
        }
        if (const FileError e = safety.keep(month, replaced); !isSaved(e)) {
            refused.append(copyreport::notKeptLine(month, QStringLiteral("復元"), e));
            continue;
        }
        going.append(month);
    }
    return going;
}

std::optional<backupcopy::Report> BackupRestore::copy() {
    const int count = m_list.selectedCount();
    if (count == 0) {
        m_s.dialogs.info(QStringLiteral("コピー対象が選択されていません。"));
        return std::nullopt;
    }
    if (m_mode == Mode::None || m_address.isEmpty()) {
        m_s.dialogs.info(QStringLiteral("処理とバックアップフォルダを選んでください。"));
        return std::nullopt;
    }
    if (!m_s.dialogs.confirm(QString::number(count) + QStringLiteral("ケ月分コピーします。")))
        return std::nullopt;
    const bool backup = m_mode == Mode::Hozon;
    // Each name exactly as listed: " 2007年1月" is not the folder 2007年1月.
    QStringList months = m_list.selection();
    bool basics = m_includeBasics;
    if (!backup) {
        months = restoreOverMonthInUse(months);
        basics = basics && askBeforeReplacingBasics();
        if (months.isEmpty() && !basics)
            return std::nullopt;
    }
    const QString source = backup ? QString() : m_address;
    const QString target = backup ? m_address : QString();
    if (onBusy)
        onBusy(true);
    backupcopy::Report report;
    months = withoutLinks(months, backup, report.refused);
    // No card of these months is written meanwhile, on this PC or another,
    // from their safety copy to their restore.
    cardupdate::Locks locks;
    if (!backup) {
        locks = cardupdate::lockMonths(m_s.fs, months);
        if (locks.error() != FileError::None) {
            if (onBusy)
                onBusy(false);
            m_s.dialogs.info(QStringLiteral("復元しませんでした（") +
                             filefailure::reason(locks.error()) + QStringLiteral("）。"));
            return std::nullopt;
        }
    }
    // The cards a restore replaces are kept in the safety folder first.
    SafetyFolder safety(m_s.fs, m_s.clock, history::word::hukugen);
    if (!backup)
        months = keepReplaced(safety, months, report.refused);
    // The history goes with the settings, and never loses a record of either
    // side; restored, it comes first, so that the records of this restore
    // follow the ones it brings.
    if (m_includeBasics)
        report.history = historycopy::copy(m_s.fs, source, target, !backup, m_s.clock.now());
    // A restore changes cards, settings and the roster: the changes go into
    // the history first, and a restore whose history cannot be written is not
    // made.
    monthhistory::Changes changes;
    history::Written w;
    if (!backup) {
        changes = monthhistory::restore(m_s.fs, m_address, months);
        if (basics)
            changes.append(monthhistory::basicsRestore(m_s.fs, m_address));
        w = history::record(m_s, history::word::hukugen, changes.entries, safety.reason());
        if (!w.ok()) {
            locks = {};
            if (onBusy)
                onBusy(false);
            m_s.dialogs.info(QStringLiteral("変更履歴に書き込めないため、復元しませんでした（") +
                             filefailure::reason(w.error) + QStringLiteral("）。"));
            return std::nullopt;
        }
    }
    report.months = backupcopy::copyMonths(m_s.fs, source, target, months, backup);
    if (basics)
        for (const QString &name : backupcopy::basicFiles())
            report.files.append(backupcopy::copyFile(m_s.fs, source, target, name, backup));
    if (!backup)
        takeBackMissing(w, changes, report);
    else
        anchorBackup(report);
    locks = {};
    if (onBusy)
        onBusy(false);
    // The month in use follows restored settings.
    if (!backup && basics && !monthinuse::readSettings(m_s, false, m_settings))
        return report;
    QString done = QString::number(report.wholeMonths()) + QStringLiteral("ケ月分コピーしました。");
    if (!safety.place().isEmpty())
        done += QLatin1Char('\n') + safety.keptText(QStringLiteral("置き換える前のタイムカード"));
    m_s.dialogs.info(done);
    if (report.history && report.history->kind != historycopy::Result::Kind::Failed)
        if (const QStringList notes = historycopy::notes(*report.history, !backup);
            !notes.isEmpty())
            m_s.dialogs.message(notes.join(QLatin1Char('\n')), QStringLiteral("お知らせ"),
                                report.history->checked.intact() ? BoxIcon::None : BoxIcon::Warning,
                                BoxButtons::Ok);
    if (const QStringList problems = report.problems(); !problems.isEmpty())
        m_s.dialogs.message(
            copyreport::problemsText(QStringLiteral("次のものは正しくコピーできませんでした。"),
                                     problems),
            QStringLiteral("お知らせ"), BoxIcon::Warning, BoxButtons::Ok);
    if (const QStringList unsure = report.unconfirmed(); !unsure.isEmpty())
        m_s.dialogs.notice(copyreport::problemsText(
            QStringLiteral("コピーしましたが、ディスクへの書き込みの完了を確認できませんでした。"
                           "ディスクの状態を確認してください。"),
            unsure));
    return report;
}
