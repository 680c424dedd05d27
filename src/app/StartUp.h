#pragma once

#include "platform/OsKind.h"
#include "screen/Services.h"

#include <QSize>

// The start-up steps that need no window, and the rule that ends the splash.
class StartUp {
public:
    explicit StartUp(Services &s) : m_s(s) {}

    // OS kind, display style from XP.Dat, stored PIN, start second and the
    // suspend flags, in that order. Nothing is written and no message shown.
    void run(const OsVersion &version);

    // The third suspend flag asks for the tally screen at once.
    bool resumeTallyAtStart() const;

    // What is told at once when the data folder cannot be written: no punch
    // and no change would be recorded. Empty when it can.
    QString dataFolderNotice() const;

    // One tick of the splash timer. True when the splash ends now: exactly two
    // seconds after the start second (also across a minute), or later when a
    // tick was late; at the latest on the sixth tick, so a clock set back
    // cannot keep the splash up.
    bool tick();

    // The small-display notice is due: Vista generation, themed style and a
    // screen smaller than 1024 x 768.
    bool smallDisplayNoticeDue(const QSize &screen) const;
    static QString smallDisplayText();

private:
    Services &m_s;
    int m_ticks = 0;
};

inline constexpr char kDisplayStyleFile[] = "XP.Dat";
inline constexpr char kSuspendFlagsFile[] = "Cyuudanumu.Dat";
