#pragma once

#include "maintenance/CardOrganizing.h"
#include "screen/ui/WorkingScreen.h"

class MonthListWidget;
class QFrame;
class QLabel;
class QPushButton;
class QToolBar;

// " タイムカードの整理": deletes whole card months. The rules live in
// CardOrganizing; this widget forwards events and shows its state.
class frmseiri : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmseiri(ScreenContext &ctx, QWidget *parent = nullptr);

    const CardOrganizing &logic() const { return m_logic; }

protected:
    bool load() override;

private:
    QFrame *buildGuide();
    void renderSafety();

    CardOrganizing m_logic;
    QToolBar *m_toolbar = nullptr;
    MonthListWidget *m_list = nullptr;
    QPushButton *m_command1 = nullptr;
    QLabel *m_lbltaihi = nullptr;
    QPushButton *m_cmdtaihi = nullptr;
};
