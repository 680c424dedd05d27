#pragma once

#include "access/PinStore.h"
#include "screen/Services.h"

#include <QString>

// The administrator PIN screen: a first registration while no PIN is stored,
// afterwards only a change that knows the current PIN. A PIN can never be
// removed.
class PinSetupScreen {
public:
    explicit PinSetupScreen(Services &services);

    // Decided once, when the screen opens: a first registration does not switch
    // the sections, so "登　録" stays usable until the screen is opened again.
    bool newSectionEnabled() const { return m_newSection; }
    bool changeSectionEnabled() const { return !m_newSection; }

    // "登　録" with the PIN typed twice. True when the PIN was stored and the
    // session holds it; only a PIN typed the same both times is stored. After
    // a refusal the screen empties the section's boxes: what they hold is
    // masked and cannot be checked.
    bool registerPin(const QString &pin, const QString &again);
    // "変　更" with the new PIN typed twice. True when the new PIN was stored
    // and the session holds it.
    bool changePin(const QString &current, const QString &next, const QString &again);

private:
    // The PIN typed a second time is the same; otherwise says so.
    bool sameTwice(const QString &pin, const QString &again);
    bool store(const QString &scrambled, const QString &whatWasKept);

    Services &m_s;
    PinStore m_store;
    bool m_newSection;
};
