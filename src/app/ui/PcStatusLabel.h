#pragma once

#include "screen/Services.h"

#include <QLabel>

class QTimer;

// The main frame's status line lblpc: how many PCs have the data folder open,
// each one named in its tool tip. It puts this PC's line into the data
// folder's record when the program starts, reads it again every few seconds
// and takes the line out when the program ends.
class PcStatusLabel : public QLabel {
public:
    static constexpr int kRefreshMs = 5000;

    explicit PcStatusLabel(Services &s, QWidget *parent = nullptr);
    ~PcStatusLabel() override;

    // At start: this PC's line goes in; false when the data folder's file
    // system cannot lock, so that other PCs cannot be kept out.
    bool enter();
    void refresh();

private:
    Services &m_s;
    QTimer *m_timer = nullptr;
    bool m_entered = false;
};
