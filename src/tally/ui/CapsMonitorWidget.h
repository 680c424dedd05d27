#pragma once

#include "tally/OvertimeCaps.h"

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;

// The overtime caps of the open employee, at the bottom of the tally
// screen's left column: the month's 法定外 and 法定外 + 休日, the highest 2-
// to 6-month average, the twelve months' 法定外 and the months over the
// monthly limit. A cap that is exceeded turns red and says which.
class CapsMonitorWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kHeight = 214;

    CapsMonitorWidget(int width, QWidget *parent);

    // "設定...": the limits dialog.
    QPushButton *settingsButton() const { return m_settings; }

    // caps null: no employee is open.
    void render(const overtimecaps::Result *caps, const CapLimits &limits);

    // The words of the caps exceeded, as shown (for the tests and tool tips).
    QStringList shownRules() const;

private:
    static constexpr int kRows = 5;
    QPushButton *m_settings;
    std::array<QLabel *, kRows> m_captions{};
    std::array<QLabel *, kRows> m_values{};
    std::array<QLabel *, kRows> m_rules{};
    QLabel *m_note;
};
