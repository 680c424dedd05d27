#pragma once

#include "data/History.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <unordered_map>
#include <vector>

// The history replayed against the files: every record, in file order, sets
// the value it names (a card's field, whether a card is there, a setting, a
// field of the roster); the files are then compared with what the last record
// of each value says. A program that changes a file writes the record first,
// so a file that differs was changed outside the program, or the history was
// cut.
namespace history {

// One value the history does not explain.
struct Finding {
    enum class Kind {
        Changed,     // the file's value differs from the history's
        CardAdded,   // a card the history does not say is there
        CardMissing, // a card the history says is there is not
        Interrupted, // the last change was not made: the file holds its old value
        NotCovered,  // a card month or a file no record explains yet
        Unreadable,  // a file that cannot be read
    };
    Kind kind = Kind::Changed;
    QString file = {}; // a card month folder, Kijyun.Dat or Meibo.Dat
    QString code = {}; // the employee's code (a card, a roster row)
    QString name = {}; // the employee's name, where known
    int row = -1;      // the card's row or the roster's slot; -1 for a whole card
    QString day = {};  // the row's day of the month
    int field = -1;
    QString fileValue = {};
    QString historyValue = {};
    FileError error = FileError::None; // Unreadable
    bool operator==(const Finding &) const = default;
};

class Replay {
public:
    // One record, in file order.
    void take(const Record &r);
    // Compares the data folder with what the history says; the changes of
    // the last group that were not made (see notMade) are named as such.
    QList<Finding> compare(FileSystem &fs, const QList<Entry> &notMade) const;
    // One card alone, as its table is (for the tally's history list).
    QList<Finding> compareCard(const QString &month, const QString &code,
                               const CardTable &card) const;
    // Whether a record explains the card's values (a baseline, its
    // preparation or a restore that made it).
    bool covers(const QString &month, const QString &code) const;

private:
    struct Card {
        bool covered = false;
        bool known = false;  // named by any record
        bool exists = false; // the history says it is there
        qint64 resetGroup = 0;
        std::vector<QString> cells; // by trackedIndex, empty until set
    };
    struct Month {
        bool covered = false;
        // Node-based: a card found stays where it is while others are added.
        std::unordered_map<QString, Card> cards;
    };
    struct Values {
        bool covered = false;
        QHash<int, QString> values;
    };

    void takeCard(const Record &r);
    void compareCard(const QString &month, const QString &code, const Card &c,
                     const CardTable &card, QList<Finding> &out) const;
    void compareValues(FileSystem &fs, const QString &file, const Values &v,
                       QList<Finding> &out) const;

    Month &month(const QString &name);
    Card &card(Month &m, const QString &code);

    std::unordered_map<QString, Month> m_months;
    // The month and card of the record before: records of one card follow
    // each other.
    QString m_lastMonth, m_lastCode;
    Month *m_month = nullptr;
    Card *m_card = nullptr;
    Values m_settings;
    Values m_roster;
};

// The cards a tracked field is kept of, as an index 0..kTracked-1; -1 for a
// field the history does not follow.
inline constexpr int kTracked = CardTable::kDayRows * 11 + 8 + 2;
int trackedIndex(int row, int field);

// How a finding reads, for the check's report and its window.
QString findingText(const Finding &f);
// The caption of a field of a file: "出勤", "法定外", "日数", "氏名", a setting.
QString valueCaption(const QString &file, int row, int field);

} // namespace history
