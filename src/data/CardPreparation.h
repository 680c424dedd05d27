#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/DateRules.h"
#include "data/Roster.h"
#include "screen/Services.h"

#include <QStringList>

// A new card: the day of each row by the pay period, the employee's code,
// name and pay type on every day row, everything else empty.
CardTable newCard(const daterules::PayPeriod &period, const Employee &employee);
// The file bytes of newCard().
QByteArray newCardBytes(const daterules::PayPeriod &period, const Employee &employee);

// The card preparation screen (frmjyunbi) without its widgets: the entered
// year and month, the preparation of a card month and the list of the card
// months prepared so far.
class CardPreparation {
public:
    static constexpr int kYearMaxLength = 4;
    static constexpr int kMonthMaxLength = 2;

    explicit CardPreparation(Services &services);

    // Reads Kijyun.Dat (creating it when missing) and lists the months. False
    // when a fatal file error ended the program.
    bool open();

    const CalcSettings &settings() const { return m_settings; }
    int year() const { return m_year; }
    int month() const { return m_month; }

    // The year box lost the focus: false when the text was refused (a box
    // was shown and the year keeps its value).
    bool leaveYear(const QString &text);
    void leaveMonth(const QString &text);

    // Command2: prepares the entered month. Returns how many cards were made.
    int prepare();

    // nengetuhyouji: the entries of the data folder named with "月", oldest
    // first. Names that are no card month go first, so that the last entry,
    // shown as the latest prepared month, is always a card month.
    void nengetuhyouji();
    const QStringList &months() const { return m_months; }
    // lblcard (0): the latest prepared month, empty when none.
    QString latest() const { return m_months.isEmpty() ? QString() : m_months.last(); }

    // The reason of a preparation's records: the hash of the settings the
    // cards were laid out by ("基本設定 3f2a9c01b7e4").
    static QString settingsStamp(FileSystem &fs);

private:
    void info(const QString &text) { m_s.dialogs.info(text); }

    Services &m_s;
    CalcSettings m_settings;
    int m_year = 0;
    int m_month = 0;
    QStringList m_months;
};
