#pragma once

#include "platform/Dialogs.h"
#include "tally/CapLimits.h"

#include <QDialog>
#include <array>

class EntryBox;

// frmjougen: the limits of the overtime caps. "保存" checks every box (a
// whole number within its bounds) and closes with the limits; a box that
// fails is named in a notice and gets the focus.
class CapLimitsDialog : public QDialog {
    Q_OBJECT
public:
    CapLimitsDialog(const CapLimits &limits, Dialogs &dialogs, QWidget *parent);

    // What was saved, once the dialog was accepted.
    const CapLimits &limits() const { return m_limits; }

private:
    void save();
    void fill(const CapLimits &limits);

    Dialogs &m_dialogs;
    CapLimits m_limits;
    std::array<EntryBox *, CapLimits::kCount> m_boxes{};
};
