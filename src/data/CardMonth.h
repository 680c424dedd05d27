#pragma once

#include "data/CalcSettings.h"

#include <QString>
#include <QStringList>
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
    // The western year, reading the written year in the year style.
    int westernYear(const CalcSettings &s) const;
    QString folderName() const;
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

private:
    int m_year = 0;
    int m_month = 0;
};
