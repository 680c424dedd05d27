#pragma once

#include "data/History.h"
#include "support/TestServices.h"

#include <QDir>
#include <gtest/gtest.h>

// A group written as the program writes it: its records, then the change
// itself in the cards (a card that is not there is made; a card's own record
// with no new text removes it), so that the history and the files agree.
inline void recordMade(TestServices &t, QLatin1String function,
                       const QList<history::Entry> &entries, const QString &reason = {}) {
    ASSERT_TRUE(history::record(t.services, function, entries, reason).ok());
    for (const history::Entry &e : entries) {
        if (e.row < 0 && e.field < 0) {
            if (e.newText.isEmpty())
                t.fs.removeFile(cardfile::path(e.month, e.code));
            continue;
        }
        if (!history::isCardMonth(e.month))
            continue;
        QDir().mkpath(t.path(e.month));
        cardfile::Read card = cardfile::read(t.fs, e.month, e.code);
        card.table.at(e.row, e.field) = e.newText;
        ASSERT_EQ(cardfile::write(t.fs, e.month, e.code, card.table), FileError::None);
    }
}

// Cards made as preparation makes them: their records ("junbi") first, then
// the files.
inline void prepared(TestServices &t, const QString &month, const QList<CardTable> &cards) {
    QList<history::Entry> entries;
    for (const CardTable &c : cards)
        entries += history::cardAsItIs(month, c.code(), c);
    ASSERT_TRUE(history::record(t.services, history::word::junbi, entries).ok());
    QDir().mkpath(t.path(month));
    for (const CardTable &c : cards)
        ASSERT_EQ(cardfile::write(t.fs, month, c.code(), c), FileError::None);
}
