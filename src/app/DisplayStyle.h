#pragma once

#include "screen/Services.h"

// The display-style window: whether the desktop uses the classic look.
class DisplayStyle {
public:
    explicit DisplayStyle(Services &s);

    bool checkEnabled() const { return m_enabled; }
    bool checked() const { return m_checked; }
    // Checking sets "sonota", clearing "xp", in the session at once.
    void setChecked(bool checked);
    // Writes both values to XP.Dat. False when the file could not be written.
    bool close();

private:
    Services &m_s;
    bool m_enabled = true;
    bool m_checked = false;
};
