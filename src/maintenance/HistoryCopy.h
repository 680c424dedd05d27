#pragma once

#include "data/HistoryCheck.h"

#include <QDateTime>

// The change history (Rireki.Dat) copied with the settings between the data
// folder and a backup folder, without losing a record of either side: the
// source's history is taken where the target has none or where it extends
// the target's own (the target's is its first part). Where the target's
// extends the source's, the target's stays. Where they went apart, both are
// kept: the data folder's history keeps the name (it is the one the program
// goes on writing), and the other one is kept beside it under a dated name.
namespace historycopy {

struct Result {
    enum class Kind {
        NoSource,   // the source has no history: nothing copied
        Same,       // both hold the same
        Taken,      // the source's history is in place
        TargetKept, // the target's history extends the source's and stays
        BothKept,   // they went apart: the other one is kept beside
        Failed,     // a read or write failed; the target is as it was
    } kind = Kind::NoSource;
    FileError error = FileError::None;
    QString beside;               // the dated name of the history kept beside
    history::CheckResult checked; // the chain of what came from the source
    bool written() const { return kind == Kind::Taken || kind == Kind::BothKept; }
};

// Copies the history of sourceBase to targetBase; dataIsTarget tells which
// side is the data folder.
Result copy(FileSystem &fs, const QString &sourceBase, const QString &targetBase, bool dataIsTarget,
            const QDateTime &when);

// The lines of the closing notice about the history: which were kept where,
// and a chain that does not match; nothing when there is nothing to tell.
QStringList notes(const Result &r, bool restore);

} // namespace historycopy
