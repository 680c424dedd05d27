#pragma once

#include "platform/FileSystem.h"

#include <QStringList>
#include <array>
#include <optional>

// The limits of the overtime caps, in whole hours (the last one in months).
// They are kept in a file of their own in the data folder, so the files the
// other screens read stay as they are; a missing file gives the defaults.
class CapLimits {
public:
    enum Index {
        MonthBeyond = 0, // a month's 法定外
        MonthTotal = 1,  // a month's 法定外 + 休日
        Average = 2,     // any 2- to 6-month average of 法定外 + 休日
        Year = 3,        // the 12 months' 法定外
        MonthsOver = 4,  // months over MonthBeyond in those 12 months
    };
    static constexpr int kCount = 5;
    static constexpr std::array<int, kCount> kDefaults = {45, 100, 80, 720, 6};
    static constexpr std::array<int, kCount> kMin = {1, 1, 1, 1, 0};
    // A month has at most 744 hours, a year 8784; more than 11 of 12 months
    // is every month.
    static constexpr std::array<int, kCount> kMax = {744, 744, 744, 8784, 11};

    int operator[](int i) const { return m_values[static_cast<size_t>(i)]; }
    // In minutes, as the cards count.
    qint64 minutes(int i) const { return qint64((*this)[i]) * 60; }

    // The caption of a value on the limits dialog and its unit.
    static QString caption(int i);
    static QString unit(int i);

    QStringList toList() const;
    // From stored values: a value that is no whole number within its bounds
    // keeps its default. bad counts those values.
    static CapLimits fromList(const QStringList &values, int *bad = nullptr);

    // A value within its bounds; false (and nothing changed) for any other.
    bool set(int i, int value);

    bool operator==(const CapLimits &) const = default;

private:
    std::array<int, kCount> m_values = kDefaults;
};

namespace caplimits {

inline constexpr char kFile[] = "Jougen.Dat";

// From the texts typed on the limits dialog: the limits, or the first box
// that is not a whole number within its bounds and what to tell the user.
struct Typed {
    std::optional<CapLimits> limits;
    int box = -1;
    QString message;
};
Typed fromTyped(const QStringList &texts);

struct Load {
    CapLimits limits;
    FileError error = FileError::None; // NotFound: the defaults, nothing wrong
    int badValues = 0;                 // stored values replaced by their defaults
};

Load read(FileSystem &fs);
FileError write(FileSystem &fs, const CapLimits &limits);

} // namespace caplimits
