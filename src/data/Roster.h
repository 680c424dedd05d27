#pragma once

#include <QString>
#include <QStringList>
#include <array>

struct Employee {
    QString code;
    QString name;
    QString payType;
    QString mark; // "*" when marked for deletion

    // A slot is in use when its code and name are both set.
    bool inUse() const { return !code.isEmpty() && !name.isEmpty(); }
};

// The 999 slots of Meibo.Dat.
struct Roster {
    static constexpr int kSlots = 999;
    static constexpr int kFields = 4;
    static constexpr int kValues = kSlots * kFields;

    std::array<Employee, kSlots> slots;

    Employee &operator[](int i) { return slots[static_cast<size_t>(i)]; }
    const Employee &operator[](int i) const { return slots[static_cast<size_t>(i)]; }

    QStringList toList() const;
    static Roster fromList(const QStringList &values);
};

inline constexpr char kRosterFile[] = "Meibo.Dat";
