#pragma once

#include "app/ui/WorkingScreen.h"
#include "data/CardPreparation.h"

#include <array>

class BoxEvents;
class QFrame;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QToolBar;

// " タイムカードの準備": prepares the cards of a card month. The rules live in
// CardPreparation; this widget forwards events and shows its state.
class frmjyunbi : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmjyunbi(ScreenContext &ctx, QWidget *parent = nullptr);

    const CardPreparation &logic() const { return m_logic; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildEntry();
    QFrame *buildGuide();
    void showGuide(bool shown);
    void render();

    void left(QWidget *box);
    bool key(QWidget *box, QKeyEvent *event);

    CardPreparation m_logic;
    BoxEvents *m_events = nullptr;
    QToolBar *m_toolbar = nullptr;
    QFrame *m_guide = nullptr;
    std::array<QLineEdit *, 2> m_texcard{};
    QPushButton *m_command2 = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_latest = nullptr;
    QLabel *m_yearStyle = nullptr;
    bool m_opened = false;
    bool m_closed = false;
};
