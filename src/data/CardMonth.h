#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/DateRules.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// A card month as its folder names it: the year as written (the western year,
// or the era year with "wareki"), "年", the month without a leading zero, "月".
// The same month written with the two year styles is two card months: a
// folder name says nothing about the style it was written in.
class CardMonth {
public:
    CardMonth() = default;
    CardMonth(int year, int month) : m_year(year), m_month(month) {}

    // The card month of a western year and month, its year written in the
    // year style of the settings.
    static CardMonth inYearStyle(int westernYear, int month, const CalcSettings &s);
    // Reads a folder name of the form digits, "年", one or two digits, "月";
    // nothing for any other name, one with a blank at either end too.
    static std::optional<CardMonth> parse(const QString &folderName);

    int year() const { return m_year; }
    int month() const { return m_month; }
    QString folderName() const;

    // The calendar month the card month stands for. A folder keeps the year
    // style it was made in, whatever the settings say now: preparation writes
    // a western year with four digits and an era year with at most two, so a
    // year below 1000 is an era year. Nothing for a month outside 1-12, the
    // year 0 and a year past 99999.
    std::optional<daterules::YearMonth> calendarMonth() const;
    static std::optional<daterules::YearMonth> calendarMonth(const QString &folderName);
    // The year is written as an era year.
    bool eraYear() const { return m_year < kFirstWesternYear; }

    // The calendar date of each day row of a card of this month, as the pay
    // period of the settings lays them out. A date is left invalid where the
    // card's day field does not agree with it (a card laid out under other
    // settings), and all are for a month with no calendar month.
    std::array<QDate, CardTable::kDayRows> rowDates(const CardTable &card,
                                                    const CalcSettings &s) const;
    bool operator==(const CardMonth &) const = default;

    // The folder name of a year and a month as texts, taken as they stand (a
    // month typed "05" names the folder "2009年05月").
    static QString folderName(const QString &yearText, const QString &monthText);
    // The text before "年" of a folder name; the whole name when it has none.
    static QString yearTextOf(const QString &folderName);

    // The number a folder name sorts by: the year's digits followed by the
    // month as two digits (2007年3月 is 200703, 19年3月 is 1903), at most 18
    // digits; 0 for a name not of the form.
    static qint64 key(const QString &folderName);

    enum class Order { OldestFirst, NewestFirst };
    // Where names not of the form go: after the card months, or before them.
    enum class Others { Last, First };
    // Sorts listed names by key; equal keys keep their listing order, and so
    // do the names not of the form among themselves.
    static QStringList sorted(const QStringList &names, Order order, Others others = Others::Last);

    // The order of a month's employees in every list (the rack, the
    // additional punch's list, the tally's staff list and so the print run
    // and the payroll export): by the code's number value, as the roster
    // sorts, then by its text; codes without a positive number last.
    static bool employeeBefore(const QString &code, const QString &other);
    static void sortCodes(QStringList &codes);

    // The names of a folder's entries that may be card months (card month
    // folders, and anything else whose name holds "月"), in listing order;
    // the data folder's by default.
    static QStringList entries(FileSystem &fs, const QString &folder = QString());
    // Those of names that are symbolic links in folder: listed as damaged,
    // never followed.
    static QStringList links(FileSystem &fs, const QStringList &names,
                             const QString &folder = QString());

    // The weekday as a card writes it: "月" for Monday .. "日" for Sunday,
    // from Qt's day of week (1 = Monday); empty outside 1-7.
    static QString weekdayKanji(int dayOfWeek);

private:
    static constexpr int kFirstWesternYear = 1000;
    static constexpr int kLastYear = 99999;

    int m_year = 0;
    int m_month = 0;
};
