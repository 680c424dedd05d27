#include "data/FileFailure.h"

#include <QFileInfo>

namespace filefailure {

QString diskFullText() {
    return QStringLiteral("デイスクにスペースがありません。プログラムを終了します");
}

QString ioText(IoWording wording) {
    return wording == IoWording::Guidebook
               ? QStringLiteral(
                     "Ｉ／Ｏエラーです。ガイドブックをご覧ください。プログラムを終了します")
               : QStringLiteral("デイスクに異常が発生しました。プログラムを終了します。");
}

QString ioTitle(IoWording wording) {
    return wording == IoWording::Guidebook ? QStringLiteral("エラー")
                                           : QStringLiteral("Ｉ／Ｏエラー");
}

bool endOnFatal(Services &s, FileError e, IoWording wording) {
    if (e == FileError::DiskFull) {
        s.dialogs.message(diskFullText(), QStringLiteral("エラー"), BoxIcon::Critical,
                          BoxButtons::Ok);
    } else if (e == FileError::DeviceIO) {
        s.dialogs.message(ioText(wording), ioTitle(wording), BoxIcon::Critical, BoxButtons::Ok);
    } else {
        return false;
    }
    s.programEnd.endProgram();
    return true;
}

bool transient(FileError e) {
    return e == FileError::Locked || e == FileError::Unreachable;
}

bool askRetry(Services &s, const QString &what, FileError e) {
    return s.dialogs.message(what + QStringLiteral("を保存できませんでした。\n理由：") + reason(e) +
                                 QStringLiteral("。\n\nもう一度保存しますか？\n"
                                                "「いいえ」を選ぶと、この画面での変更は保存されま"
                                                "せん。"),
                             QStringLiteral("確認"), BoxIcon::Warning,
                             BoxButtons::YesNo) == BoxAnswer::Yes;
}

FileError saveAskingAgain(Services &s, const QString &what,
                          const std::function<FileError()> &save) {
    FileError e = save();
    while (transient(e) && askRetry(s, what, e))
        e = save();
    return e;
}

QString reason(FileError e) {
    switch (e) {
    case FileError::DiskFull:
        return QStringLiteral("ディスクの空きが足りません");
    case FileError::PathFileAccess:
        return QStringLiteral("書き込みが禁止されているか、アクセスが許可されていません");
    case FileError::DeviceIO:
        return QStringLiteral("ディスクの読み書きに異常があります");
    case FileError::PathNotFound:
        return QStringLiteral("フォルダが見つかりません");
    case FileError::NotFound:
        return QStringLiteral("ファイルが見つかりません");
    case FileError::Damaged:
        return QStringLiteral("ファイルが壊れています");
    case FileError::Locked:
        return QStringLiteral(
            "ほかのパソコンが同じファイルを書き込み中のまま、終わるのを待ちきれませ"
            "んでした");
    case FileError::Unreachable:
        return QStringLiteral("データフォルダのあるファイルサーバーに接続できません"
                              "（ネットワークとサーバーを確かめてください）");
    case FileError::BadName:
        return QStringLiteral("名前に使えない文字があります");
    default:
        return QStringLiteral("エラー番号 ") + QString::number(errorNumber(e));
    }
}

QString writeReason(FileError e, const QString &folder) {
    switch (e) {
    case FileError::DiskFull:
        return QStringLiteral("ディスクの空きがありません");
    case FileError::PathFileAccess:
        return folder + QStringLiteral("に書き込めません（読み取り専用か、書き込みが許可されて"
                                       "いません）");
    case FileError::NotFound:
    case FileError::PathNotFound:
        // A write that finds nothing misses its folder.
        return folder + QStringLiteral("が見つかりません");
    default:
        return reason(e);
    }
}

QString unconfirmedText() {
    return QStringLiteral("保存しましたが、ディスクへの書き込みの完了を確認できませんでした。"
                          "ディスクの状態を確認してください。");
}

QString damagedFileText(const QString &fileName, const QString &reason) {
    return QStringLiteral("「") + fileName +
           QStringLiteral("」は壊れているため、読み込めませんでした。") +
           (reason.isEmpty() ? QString() : QStringLiteral("（") + reason + QStringLiteral("）")) +
           QStringLiteral("ファイルは書き換えずに残してあります。");
}

bool endOnWriteFailure(Services &s, FileError e, IoWording wording) {
    if (e == FileError::None)
        return false;
    if (e == FileError::Unconfirmed) {
        s.dialogs.notice(unconfirmedText());
        return false;
    }
    return endOnFatal(s, e == FileError::DiskFull ? e : FileError::DeviceIO, wording);
}

Load loadOrCreate(Services &s, const QString &path, int count, IoWording wording, FormCheck check) {
    Load load;
    ReadResult file = s.fs.readFile(path, records::byteLimit(count));
    if (file.error == FileError::NotFound) {
        const FileError w = records::writeEmpty(s.fs, path, count);
        if (endOnWriteFailure(s, w, wording)) {
            load.ended = true;
            return load;
        }
        file = s.fs.readFile(path, records::byteLimit(count));
    }
    load.read = records::fromFile(file, count);
    if (endOnFatal(s, load.read.error, wording)) {
        load.ended = true;
        return load;
    }
    if (load.read.ok() && check) {
        load.fault = check(file.bytes);
        if (!load.fault.isEmpty())
            load.read.error = FileError::Damaged;
    }
    load.cleared = load.read.error;
    load.read.error = FileError::None;
    return load;
}

bool refuseDataFolder(Services &s, const QString &path) {
    const QString folder = QFileInfo(QFileInfo(path).absolutePath()).canonicalFilePath();
    if (folder.isEmpty() || folder != QFileInfo(s.fs.dataFolder()).canonicalFilePath())
        return false;
    s.dialogs.notice(QStringLiteral("データフォルダには保存できません。\n"
                                    "別のフォルダを選んでください。\n") +
                     path);
    return true;
}

} // namespace filefailure
