#pragma once

#include "screen/Services.h"

#include <QString>

// The prompt that guards the administrator's functions. The caller has put
// the requester word ("recorder", "syuukei", "seiri") into the session and
// opens its function only on Match.
class PinPrompt {
public:
    enum class Result {
        Stay,         // a box was shown; the prompt stays open for another try
        Match,        // the PIN matched: the prompt closes and the function opens
        NothingToOpen // matched, but no known function asked: close, open nothing
    };

    explicit PinPrompt(Services &services) : m_s(services) {}

    // "ＯＫ".
    Result ok(const QString &entered);

private:
    Services &m_s;
};
