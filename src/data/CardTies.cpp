#include "data/CardTies.h"

#include "data/CardTable.h"
#include "data/CardUpdate.h"
#include "data/ChangeMerge.h"
#include "data/History.h"
#include "data/RecordFile.h"
#include "platform/CardReader.h"

namespace {

// Far more than kMax pairs of the longest ID and code take.
constexpr qint64 kMaxBytes = qint64(1) << 21;

} // namespace

QString CardTies::codeOf(const QString &id) const {
    return m_codeOf.value(id);
}

QStringList CardTies::idsOf(const QString &code) const {
    QStringList ids;
    for (const CardTie &t : m_ties)
        if (t.code == code.trimmed())
            ids.append(t.id);
    return ids;
}

bool CardTies::tie(const QString &id, const QString &code) {
    const QString c = code.trimmed();
    if (cardid::normalized(id) != id || !cardfile::isSafeCode(c))
        return false;
    if (m_codeOf.contains(id)) {
        for (CardTie &t : m_ties)
            if (t.id == id)
                t.code = c;
    } else if (m_ties.size() >= kMax) {
        return false;
    } else {
        m_ties.append({id, c});
    }
    m_codeOf.insert(id, c);
    return true;
}

bool CardTies::untie(const QString &id) {
    if (!m_codeOf.remove(id))
        return false;
    m_ties.removeIf([&](const CardTie &t) { return t.id == id; });
    return true;
}

QStringList CardTies::toList() const {
    QStringList values;
    for (const CardTie &t : m_ties)
        values << t.id << t.code;
    return values;
}

CardTies CardTies::fromList(const QStringList &values, int *skipped) {
    CardTies ties;
    int left = 0;
    for (qsizetype i = 0; i + 1 < values.size(); i += 2) {
        const QString id = cardid::normalized(values[i]);
        if (id.isEmpty() || !ties.codeOf(id).isEmpty() || !ties.tie(id, values[i + 1]))
            ++left;
    }
    if (values.size() % 2 != 0)
        ++left;
    if (skipped)
        *skipped = left;
    return ties;
}

namespace cardties {

Load read(FileSystem &fs) {
    Load l;
    const ReadResult file = fs.readFile(QLatin1String(kFile), kMaxBytes);
    l.error = file.error;
    if (file.ok())
        l.ties = CardTies::fromList(records::parse(file.bytes), &l.skipped);
    return l;
}

namespace {

QList<history::Entry> changes(const CardTies &before, const CardTies &after) {
    QList<history::Entry> entries;
    auto entry = [](const QString &code, const QString &oldId, const QString &newId) {
        history::Entry e;
        e.month = QLatin1String(kFile); // the file changed, where a card's month stands
        e.code = code;
        e.oldText = oldId;
        e.newText = newId;
        return e;
    };
    for (const CardTie &t : before.all())
        if (after.codeOf(t.id) != t.code)
            entries.append(entry(t.code, t.id, {}));
    for (const CardTie &t : after.all())
        if (before.codeOf(t.id) != t.code)
            entries.append(entry(t.code, {}, t.id));
    return entries;
}

} // namespace

Saved save(history::Book book, const CardTies &base, const CardTies &mine, const QString &reason) {
    Saved s;
    s.now = base;
    const cardupdate::Locks locks = cardupdate::lockFile(book.fs, QLatin1String(kFile));
    if (locks.error() != FileError::None) {
        s.error = locks.error();
        return s;
    }
    const Load found = read(book.fs);
    if (found.unreadable()) {
        s.error = found.error;
        s.unreadable = true;
        return s;
    }
    s.now = found.ties;
    const changemerge::TiesMerge merged = changemerge::ties(base, mine, found.ties);
    s.kept = merged.kept;
    if (merged.ties == found.ties)
        return s;
    const history::Written w =
        history::record(book, history::word::ickaado, changes(found.ties, merged.ties), reason);
    if (!w.ok()) {
        s.error = w.error;
        return s;
    }
    const FileError e = records::write(book.fs, QLatin1String(kFile), merged.ties.toList());
    if (!isSaved(e)) {
        history::recordNotMade(book, w, e);
        s.error = e;
        return s;
    }
    s.now = merged.ties;
    // Unconfirmed when either write was.
    s.error = e == FileError::None ? w.error : e;
    return s;
}

} // namespace cardties
