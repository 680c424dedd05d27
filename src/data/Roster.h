#pragma once

#include "platform/FileSystem.h"

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

namespace rosterfile {

// Why bytes are no roster as the program writes it, in the user's terms;
// empty when they are one. A roster is exactly 3996 lines, each one value in
// double quotes (CR LF, or LF alone, as line end), in code page 932 without
// control characters, and every deletion mark "*" or empty. A quote inside a
// value is read as part of it, as older versions wrote such names.
QString fault(const QByteArray &bytes);

struct Read {
    Roster roster; // what could be read; the whole roster only when ok()
    FileError error = FileError::None;
    QString fault; // why a roster read whole is Damaged
    bool ok() const { return error == FileError::None; }
};

// Reads Meibo.Dat for a screen that never writes it. A roster that fault()
// finds wrong, or that is not a regular file or far too large, is Damaged.
Read read(FileSystem &fs);
Read fromFile(const ReadResult &file);

} // namespace rosterfile
