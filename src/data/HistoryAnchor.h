#pragma once

#include "platform/FileSystem.h"
#include "platform/SettingsStore.h"

#include <QByteArray>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

// Anchors of the change history outside the data folder: its head (the line
// count and the hash of the last line) as the program last wrote it, kept in
// the per-user settings store, and as each backup found it, kept in the backup
// folder. A history that no longer holds a recorded head was rewritten from
// an earlier line or cut at its end; the check names it.
namespace history {

struct Head {
    qint64 lines = 0;
    qint64 end = 0;  // file offset after the last line
    QByteArray hash; // of the last line, 64 hex digits
    QString when;    // when it was recorded: "2007/03/01 09:00:00"
    QString where;   // the backup folder it was found in; empty for the settings store
    bool isSet() const { return lines > 0 && hash.size() == 64; }
    // "1234 行・3f2a9c01b7e4": what a printed page shows.
    QString shortForm() const;
    bool operator==(const Head &) const = default;
};

// The name of a backup folder's head file.
inline constexpr char kBackupHeadFile[] = "Rirekisaigo.Dat";

// What the settings store keeps for the history of one data folder (a section
// of its own, named after the folder's path).
class Anchor {
public:
    Anchor(SettingsStore &store, const FileSystem &fs);

    // The head the program last wrote.
    Head head() const;
    bool setHead(const Head &h);
    // Heads the history no longer held when the program next wrote (kept for
    // the check; the newest few).
    QList<Head> lost() const;
    void addLost(const Head &h);
    // Backup folders that were given a head, newest last.
    QStringList backups() const;
    void addBackup(const QString &folder);
    // The card months and files the history holds a baseline of (a cache of
    // what the history says, good for the head it was kept with).
    QSet<QString> covered() const;
    void setCovered(const QSet<QString> &names);

private:
    QString value(const char *key) const;
    bool setValue(const char *key, const QString &v);

    SettingsStore &m_store;
    QString m_section;
};

// A head as the settings store and the head file keep it: four values.
QStringList headValues(const Head &h);
Head headOf(const QStringList &values);

// Writes the head into a backup folder's head file.
FileError writeBackupHead(FileSystem &fs, const QString &folder, const Head &h);
// Reads a backup folder's head file; NotFound when it has none.
Head readBackupHead(FileSystem &fs, const QString &folder, FileError *error = nullptr);

} // namespace history
