#pragma once

#include "data/CalcSettings.h"
#include "data/CardTable.h"
#include "data/DateRules.h"
#include "data/RecordFile.h"
#include "data/Roster.h"
#include "support/TestServices.h"

#include <gtest/gtest.h>
#include <ostream>

// Data files written straight into a temporary data folder.
struct PunchData {
    struct Person {
        QString code;
        QString name;
        QString payType = QStringLiteral("月給");
    };

    static void writeSettings(TestServices &t, const QString &kind, const QString &dayChange = {},
                              const QString &yearStyle = QStringLiteral("seireki"),
                              const QString &endDay = {}, const QString &attribution = {},
                              const QString &startDay = {}) {
        CalcSettings s;
        s[CalcSettings::DayChangeHour] = dayChange;
        s[CalcSettings::OtherStartDay] = startDay;
        s[CalcSettings::OtherEndDay] = endDay;
        s[CalcSettings::YearStyle] = yearStyle;
        s[CalcSettings::PeriodKind] = kind;
        s[CalcSettings::MonthAttribution] = attribution;
        t.put(kSettingsFile, records::format(s.toList()));
    }

    static void writeRoster(TestServices &t, const QList<Person> &people) {
        Roster r;
        for (int i = 0; i < people.size(); ++i)
            r[i] = {people[i].code, people[i].name, people[i].payType, {}};
        t.put(kRosterFile, records::format(r.toList()));
    }

    // A prepared card of a card month under the given settings.
    static CardTable makeCard(const Person &p, int year, int month, const CalcSettings &s) {
        CardTable c;
        const auto period = daterules::payPeriod({year, month}, s);
        for (int r = 0; r < CardTable::kDayRows; ++r) {
            const QDate d = period.days[static_cast<size_t>(r)];
            c.at(r, CardField::Day) = d.isValid() ? QString::number(d.day()) : QString();
            c.at(r, CardField::Code) = p.code;
            c.at(r, CardField::Name) = p.name;
            c.at(r, CardField::PayType) = p.payType;
        }
        return c;
    }

    static CalcSettings settingsOf(const QString &kind) {
        CalcSettings s;
        s[CalcSettings::YearStyle] = QStringLiteral("seireki");
        s[CalcSettings::PeriodKind] = kind;
        return s;
    }

    static void writeCard(TestServices &t, const QString &folder, const CardTable &c) {
        t.put(folder + "/" + c.code().trimmed() + ".Card", records::format(c.toList()));
    }

    static CardTable readCard(TestServices &t, const QString &folder, const QString &code) {
        return CardTable::fromList(records::parse(t.bytes(folder + "/" + code + ".Card")));
    }

    // A month "getumatusime" with the given people, each with a card.
    static void prepareMonth(TestServices &t, int year, int month, const QList<Person> &people,
                             const QString &dayChange = {}) {
        writeSettings(t, "getumatusime", dayChange);
        writeRoster(t, people);
        const CalcSettings s = settingsOf("getumatusime");
        const QString folder = daterules::cardMonthFolder({year, month}, s);
        for (const Person &p : people)
            writeCard(t, folder, makeCard(p, year, month, s));
    }
};
