#pragma once

#include "access/PinSetupScreen.h"
#include "app/ui/WorkingScreen.h"

class PinEdit;
class QAction;
class QFrame;
class QGroupBox;
class QPushButton;
class QToolBar;

// The administrator PIN screen " 管理者暗証番号": registration or change of
// the PIN, and its guide panel.
class frmpw : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmpw(ScreenContext &ctx, QWidget *parent = nullptr);

    bool guideOpen() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void buildNewSection();
    void buildChangeSection();
    void buildGuide();
    void showGuide(bool open);

    PinSetupScreen m_screen;
    QToolBar *m_toolbar = nullptr;
    QGroupBox *m_newBox = nullptr;
    QGroupBox *m_changeBox = nullptr;
    PinEdit *m_texin[3] = {};
    QPushButton *m_register = nullptr;
    QPushButton *m_change = nullptr;
    QFrame *m_guide = nullptr;
    QPushButton *m_guideClose = nullptr;
    bool m_closed = false;
};
