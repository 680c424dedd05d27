#pragma once

#include "screen/Services.h"
#include "support/FakeCardReader.h"
#include "support/Fakes.h"

#include <QTemporaryDir>
#include <memory>

// Everything a logic class needs, over a fresh temporary data folder.
struct TestServices {
    QTemporaryDir dir;
    FaultyFileSystem fs{dir.path()};
    ScriptedDialogs dialogs;
    FixedClock clock;
    MemorySettingsStore settings;
    FakeProgramEnd programEnd;
    Session session;
    FakeCardReader cardReader;
    Services services{fs, dialogs, clock, settings, programEnd, session, &cardReader};

    QString path(const QString &name) const { return dir.filePath(name); }
    // Writes raw bytes into the data folder (no atomic save: test setup only).
    void put(const QString &name, const QByteArray &bytes) const;
    QByteArray bytes(const QString &name) const;
};
