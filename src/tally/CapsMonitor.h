#pragma once

#include "data/EmployeeLine.h"
#include "data/OverHours.h"
#include "screen/Services.h"
#include "tally/CapMonths.h"

#include <QHash>

// The overtime caps on the tally screen: the limits, and every employee of
// the chosen month's staff list held against them. Worked out when a month
// is chosen and again for a card that is confirmed.
class CapsMonitor {
public:
    explicit CapsMonitor(Services &s) : m_s(s), m_months(s.fs) {}

    // The limits from their file; a missing file gives the defaults. False
    // when a fatal file error ended the program.
    bool load();
    const CapLimits &limits() const { return m_limits; }
    // New limits from the dialog: stored, and the month held against them.
    // False when they could not be stored (the old ones stay).
    bool setLimits(const CapLimits &limits);

    // The month chosen (or a suspended tally restored): folders are the
    // data folder's entries as the month list holds them, entries the staff
    // list's employees.
    void chooseMonth(const QString &folder, const QStringList &folders,
                     const QList<EmployeeLine> &entries);
    // The card of an employee of the chosen month was stored as card.
    void stored(const QString &code, const CardTable &card);

    const QString &month() const { return m_folder; }
    // The caps of an employee of the month by code; null for one not listed.
    const overtimecaps::Result *of(const QString &code) const;
    // Whether an employee exceeds any cap.
    bool flagged(const QString &code) const;

    // The list of the employees of the month whose 法定外 + 休日 is over
    // the average limit, in staff list order ("80時間超の一覧").
    OverHoursData overHoursList() const;

    CapMonths &months() { return m_months; }

private:
    void recompute();
    overtimecaps::Result checkOne(const QString &code);

    Services &m_s;
    CapLimits m_limits;
    CapMonths m_months;
    QString m_folder;
    std::array<QString, overtimecaps::kWindow> m_window;
    QStringList m_codes;
    QStringList m_names;
    QHash<QString, overtimecaps::Result> m_results;
};
