#pragma once

#include "data/RecordFile.h"
#include "screen/Services.h"

#include <functional>

// Which wording a screen uses for a device error: the roster, punch-clock and
// tally screens and the print run speak of the guidebook; the settings,
// preparation, organizing and backup screens of the disk.
enum class IoWording { Guidebook, Disk };

namespace filefailure {

QString diskFullText();
QString ioText(IoWording wording);
QString ioTitle(IoWording wording);

// Shows the fatal box of a device error (57) or a full disk (61) and ends the
// program. Returns true when it did; other errors are left to the caller.
bool endOnFatal(Services &s, FileError e, IoWording wording);

// A write that failed is never taken for success: a full disk shows its box,
// any other error the device-error box, and the program ends. Returns true
// when the program ended. An Unconfirmed write is saved: it shows
// unconfirmedText() and returns false, as for a write that went well.
bool endOnWriteFailure(Services &s, FileError e, IoWording wording);

// A failure that goes by itself once another PC or the network is back:
// another program held the file too long, the file server did not answer.
// Nothing was written; the user is told and may try again.
bool transient(FileError e);
// Asks whether to try a save again that failed for such a reason: what
// names the file ("名簿"). No keeps the screen's changes unsaved.
bool askRetry(Services &s, const QString &what, FileError e);
// Runs save, and again for as long as it fails for such a reason and the
// user asks for it. Its last error.
FileError saveAskingAgain(Services &s, const QString &what, const std::function<FileError()> &save);

// Why a file operation failed, in the user's terms.
QString reason(FileError e);
// Why a write into folder (as the user knows it: "データフォルダ") failed:
// a full disk, a folder that is read-only or missing, or reason(e).
QString writeReason(FileError e, const QString &folder);

// The warning of a save whose new content is in place but not known to be on
// the disk.
QString unconfirmedText();

// The message for a data file that is Damaged (not a regular file, far
// larger than its kind, or not in its kind's form, for which reason says
// why): it is not used, and never written over by what took its place.
QString damagedFileText(const QString &fileName, const QString &reason = {});

// A file the user saves (a PDF, the payroll CSV) never goes into the data
// folder: a name holding "月" there would be listed as a card month. True,
// after telling the user so, when path is in it.
bool refuseDataFolder(Services &s, const QString &path);

// Why the bytes of a file read whole are not in its kind's form; empty when
// they are.
using FormCheck = QString (*)(const QByteArray &bytes);

struct Load {
    // A file in the wrong form holds what could be read, for display only.
    records::Read read;
    bool ended = false; // the program was ended; the caller stops at once
    // The error that was cleared (neither not-found nor fatal): the values
    // read as empty although the file may hold data.
    FileError cleared = FileError::None;
    QString fault; // why the file is Damaged, when its form check said so
    // The file exists but was not read: whatever the screen saves must not
    // replace it.
    bool unreadable() const { return cleared != FileError::None && cleared != FileError::NotFound; }
};

// The load step of a screen: a missing file is created with count empty values
// and read again; 57 and 61 end the program; any other error is cleared and
// the values read as empty. A file that check finds in the wrong form is
// Damaged, its values as read.
Load loadOrCreate(Services &s, const QString &path, int count, IoWording wording,
                  FormCheck check = nullptr);

} // namespace filefailure
