#pragma once

// Quiet stand-ins for the platform seams a benchmark does not measure.

#include "data/CardTable.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ProgramEnd.h"
#include "platform/SettingsStore.h"
#include "screen/Services.h"

// Answers OK to every box and counts them, so a run can tell it met none.
class QuietDialogs : public Dialogs {
public:
    BoxAnswer message(const QString &, const QString &, BoxIcon, BoxButtons) override {
        ++shown;
        return BoxAnswer::Ok;
    }
    int shown = 0;
};

class NoEnd : public ProgramEnd {
public:
    void endProgram() override { m_ended = true; }
    bool ended() const override { return m_ended; }

private:
    bool m_ended = false;
};

// A clock standing at one moment, so every run counts the same days.
class StillClock : public Clock {
public:
    explicit StillClock(QDateTime at) : m_at(std::move(at)) {}
    QDateTime now() const override { return m_at; }

private:
    QDateTime m_at;
};

// The services over a data folder and a clock, every other seam quiet.
struct QuietServices {
    QuietServices(FileSystem &fs, const Clock &clock)
        : services{fs, dialogs, clock, store, end, session} {}
    QuietDialogs dialogs;
    // Kept in memory as the program's own settings keep them: the history's
    // anchor read back at every write, so a write reads only what follows it.
    MemorySettingsStore store;
    NoEnd end;
    Session session;
    Services services;
};

// The card preparation makes for employee "従業員<code>", paid monthly.
inline CardTable preparedCard(int code) {
    CardTable t;
    for (int r = 0; r < CardTable::kDayRows; ++r) {
        t.at(r, CardField::Day) = QString::number(r + 1);
        t.at(r, CardField::Code) = QString::number(code);
        t.at(r, CardField::Name) = QStringLiteral("従業員") + QString::number(code);
        t.at(r, CardField::PayType) = QStringLiteral("月給");
    }
    return t;
}
