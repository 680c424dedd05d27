#pragma once

#include <QString>
#include <QtGlobal>

// A punch time on a panel: its text and whether it is still only chosen
// (pending, teal) or already on the card (pressed, navy).
enum class TimeState { Pending, Pressed };

struct TimeLabel {
    QString text;
    TimeState state = TimeState::Pending;

    bool pressed() const { return state == TimeState::Pressed; }
    bool pending() const { return state == TimeState::Pending && !text.isEmpty(); }
    void clear() {
        text.clear();
        state = TimeState::Pending;
    }
};

// Text colours of a time label, 0xRRGGBB.
inline constexpr quint32 kPendingColour = 0x008080;
inline constexpr quint32 kPressedColour = 0x000080;

inline constexpr int kKinds = 4; // 出勤, 休憩, 戻り, 退勤

// The card field of punch kind k.
inline int fieldOfKind(int k) {
    return 2 + k;
}

// Captions of the four kinds, in order.
QString kindCaption(int k);
