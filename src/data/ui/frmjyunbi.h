#pragma once

#include "data/CardPreparation.h"
#include "screen/ui/WorkingScreen.h"

#include <array>

class EntryBox;
class QFrame;
class QLabel;
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
    bool load() override;

private:
    QWidget *buildEntry();
    QFrame *buildGuide();
    void render();

    CardPreparation m_logic;
    QToolBar *m_toolbar = nullptr;
    std::array<EntryBox *, 2> m_texcard{};
    QPushButton *m_command2 = nullptr;
    QListWidget *m_list = nullptr;
    QLabel *m_latest = nullptr;
    QLabel *m_yearStyle = nullptr;
};
