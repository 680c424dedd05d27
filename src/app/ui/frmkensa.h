#pragma once

#include "printing/CheckWindow.h"

#include <QDialog>
#include <memory>

class QtPrintTargets;

// The result window of "変更履歴の検査": the report, the values the history
// does not explain in red, printed or saved as PDF.
class frmkensa : public QDialog {
public:
    frmkensa(Services &s, QWidget *parent);
    ~frmkensa() override;

    const CheckWindow &logic() const { return m_logic; }

private:
    CheckWindow m_logic;
    std::unique_ptr<QtPrintTargets> m_targets;
};
