#pragma once

#include "platform/FileSystem.h"

#include <QLatin1String>
#include <QStringList>

// The options of punching with an IC card, set on the settings screen. They
// are kept in a file of their own, so Kijyun.Dat stays the fifteen values
// every screen reads; a missing file, or a value other than "suru", is off.
struct IcOptions {
    // "ICカードで打刻する": a card touched on a reader sets its employee's card.
    bool punchByCard = false;
    // With punchByCard and a PIN registered, a click on a rack line asks for
    // the administrator PIN: only a touched card punches.
    bool clickNeedsPin = false;

    // Whether a click on the rack must be let through by the PIN.
    bool clickGuarded(const QString &storedPin) const {
        return punchByCard && clickNeedsPin && !storedPin.isEmpty();
    }

    QStringList toList() const;
    static IcOptions fromList(const QStringList &values);
    bool operator==(const IcOptions &) const = default;
};

// ICSettei.Dat in the data folder: one value an option, "suru" when on.
namespace icoptions {

inline constexpr char kFile[] = "ICSettei.Dat";
inline constexpr int kCount = 2;
inline constexpr QLatin1String kOn{"suru"};

struct Load {
    IcOptions options;
    FileError error = FileError::None; // NotFound: all off, nothing wrong
};
Load read(FileSystem &fs);

struct Saved {
    FileError error = FileError::None; // of the lock, of reading the file again, or of the write
    bool unreadable = false; // the file as it was found could not be read: nothing was written
};
// Writes the options changed on a copy read earlier (mine against base) onto
// the file as it is now, under its lock: an option another PC changed
// meanwhile and this one did not keeps that PC's value.
Saved save(FileSystem &fs, const IcOptions &base, const IcOptions &mine);

} // namespace icoptions
