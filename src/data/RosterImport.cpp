#include "data/RosterImport.h"

#include "data/LeadingNumber.h"
#include "data/RecordFile.h"

#include <QDir>
#include <QSet>
#include <QStorageInfo>

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

RosterImport::Result RosterImport::read(const QString &folder) {
    Result r;
    const QDir dir(folder);
    r.outcome = Outcome::NotFound;
    const ReadResult countFile = m_s.fs.readFile(dir.filePath(QStringLiteral("Tourokusuu.Dat")));
    if (!countFile.ok()) {
        m_s.dialogs.notice(notFoundText());
        return r;
    }
    const qint64 n = leadingNumber(records::parse(countFile.bytes).value(2).trimmed());
    if (n == 0) {
        m_s.dialogs.notice(notFoundText());
        return r;
    }
    if (n < 0) {
        r.outcome = Outcome::NoRecords;
        return r;
    }
    const ReadResult source = m_s.fs.readFile(dir.filePath(QStringLiteral("Meibo.Dat")));
    if (!source.ok()) {
        m_s.dialogs.notice(notFoundText());
        return r;
    }
    // Values the file lacks read as empty: such records are not in service.
    const QStringList values = records::parse(source.bytes);
    const int records = static_cast<int>(std::min<qint64>(n, Roster::kSlots));
    for (int i = 0; i < records; ++i) {
        const int first = i * kValuesPerRecord;
        if (values.value(first + kStatusValue) == QStringLiteral("在職"))
            r.roster[i] = employeeOf(values, first);
    }
    r.outcome = Outcome::Imported;
    return r;
}

QStringList RosterImport::drives() {
    // Kernel and memory file systems hold no payroll data.
    static const QSet<QByteArray> pseudo = {
        "proc",     "sysfs",  "devtmpfs",    "devpts",   "cgroup", "cgroup2",    "securityfs",
        "pstore",   "bpf",    "tracefs",     "debugfs",  "mqueue", "hugetlbfs",  "fusectl",
        "configfs", "autofs", "binfmt_misc", "efivarfs", "nsfs",   "rpc_pipefs", "squashfs"};
    QStringList roots;
    for (const QStorageInfo &v : QStorageInfo::mountedVolumes()) {
        if (!v.isValid() || !v.isReady() || pseudo.contains(v.fileSystemType()))
            continue;
        const QString root = v.rootPath();
        if (root.startsWith(QStringLiteral("/proc")) || root.startsWith(QStringLiteral("/sys")) ||
            root == QStringLiteral("/dev") || root.startsWith(QStringLiteral("/dev/")))
            continue;
        if (!roots.contains(root))
            roots.append(root);
    }
    roots.sort();
    return roots;
}
