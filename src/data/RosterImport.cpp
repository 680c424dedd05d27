#include "data/RosterImport.h"

#include "data/FileFailure.h"
#include "data/LeadingNumber.h"
#include "data/RecordFile.h"
#include "platform/Volumes.h"

#include <QDir>
#include <algorithm>

namespace {

QString notFoundText() {
    return QStringLiteral("データファイルが見つかりません。");
}

} // namespace

RosterImport::RosterImport(Services &s) : m_s(s) {}

Employee RosterImport::employeeOf(const QStringList &values, int first) {
    Employee e;
    e.code = values.value(first + kCodeValue);
    e.name = values.value(first + kNameValue);
    const QString pay = values.value(first + kPayTypeValue);
    e.payType = pay == QStringLiteral("日給月給") ? QStringLiteral("月給") : pay;
    return e;
}

RosterImport::Result RosterImport::run(const QString &folder) {
    const Outcome asked = ask(folder);
    if (asked != Outcome::Imported) {
        Result r;
        r.outcome = asked;
        return r;
    }
    return read(folder);
}

RosterImport::Outcome RosterImport::ask(const QString &folder) {
    if (!folder.contains(QStringLiteral("マルカ"))) {
        m_s.dialogs.message(QStringLiteral("コピー元には「マルカ」を指定してください。"),
                            QStringLiteral("ご注意"), BoxIcon::None, BoxButtons::Ok);
        return Outcome::Refused;
    }
    if (m_s.dialogs.message(QStringLiteral("コピーを開始します。"), QStringLiteral("確認"),
                            BoxIcon::Information, BoxButtons::YesNo) != BoxAnswer::Yes)
        return Outcome::Declined;
    return Outcome::Imported;
}

qint64 RosterImport::recordCount(const QByteArray &countFile) {
    return leadingNumber(records::parseFirst(countFile, 3).value(2).trimmed());
}

Roster RosterImport::rosterOf(const QByteArray &source, qint64 count) {
    Roster roster;
    const int n = static_cast<int>(std::clamp<qint64>(count, 0, Roster::kSlots));
    // Values the file lacks read as empty: such records are not in service.
    const QStringList values = records::parseFirst(source, n * kValuesPerRecord);
    for (int i = 0; i < n; ++i) {
        const int first = i * kValuesPerRecord;
        if (values.value(first + kStatusValue) == QStringLiteral("在職"))
            roster[i] = employeeOf(values, first);
    }
    return roster;
}

RosterImport::Result RosterImport::read(const QString &folder) {
    Result r;
    const QDir dir(folder);
    r.outcome = Outcome::NotFound;
    // A file that cannot be read says which; a damaged one says so.
    auto readable = [this, &dir](const QString &name, qint64 limit, QByteArray &bytes) {
        const ReadResult file = m_s.fs.readFile(dir.filePath(name), limit);
        if (file.error == FileError::Damaged)
            m_s.dialogs.notice(QStringLiteral("マルカの") + filefailure::damagedFileText(name));
        else if (!file.ok())
            m_s.dialogs.notice(notFoundText());
        bytes = file.bytes;
        return file.ok();
    };
    QByteArray countFile;
    if (!readable(QStringLiteral("Tourokusuu.Dat"), kMaxCountFileBytes, countFile))
        return r;
    const qint64 n = recordCount(countFile);
    if (n == 0) {
        m_s.dialogs.notice(notFoundText());
        return r;
    }
    if (n < 0) {
        r.outcome = Outcome::NoRecords;
        return r;
    }
    QByteArray source;
    if (!readable(QStringLiteral("Meibo.Dat"), kMaxSourceBytes, source))
        return r;
    r.roster = rosterOf(source, n);
    r.outcome = Outcome::Imported;
    return r;
}

QStringList RosterImport::drives() {
    return volumes::mountedRoots();
}
