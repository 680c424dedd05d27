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

    // "登　録". True when the PIN was stored and the session holds it.
    bool registerPin(const QString &pin);
    // "変　更". True when the new PIN was stored and the session holds it.
    bool changePin(const QString &current, const QString &next);

private:
    bool store(const QString &scrambled, const QString &whatWasKept);

    Services &m_s;
    PinStore m_store;
    bool m_newSection;
};
