#pragma once

#include "access/PinSetupScreen.h"
#include "screen/ui/WorkingScreen.h"

#include <initializer_list>

class EntryBox;
class QGroupBox;
class QPushButton;
class QToolBar;

// The administrator PIN screen " 管理者暗証番号": registration or change of
// the PIN, and its guide panel.
class frmpw : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmpw(ScreenContext &ctx, QWidget *parent = nullptr);

    PinSetupScreen &logic() { return m_logic; }

private:
    void buildNewSection();
    void buildChangeSection();
    void buildGuide();
    // Empties the PIN boxes of a section after a refusal; the first gets the focus.
    void emptyBoxes(std::initializer_list<int> boxes);

    PinSetupScreen m_logic;
    QToolBar *m_toolbar = nullptr;
    QGroupBox *m_newBox = nullptr;
    QGroupBox *m_changeBox = nullptr;
    EntryBox *m_texin[5] = {}; // texin_0-2; 3 and 4 take the new PIN again
    QPushButton *m_register = nullptr;
    QPushButton *m_change = nullptr;
};
