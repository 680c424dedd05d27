#pragma once

#include "app/ui/WorkingScreen.h"
#include "data/SettingsScreen.h"

#include <array>

class BoxEvents;
class QComboBox;
class QFrame;
class QKeyEvent;
class QLineEdit;
class QRadioButton;
class QToolBar;

// " 基本設定": the calculation settings screen. Every rule lives in
// SettingsScreen; this widget forwards events and shows its state.
class frmkeisankijyun : public WorkingScreen {
    Q_OBJECT
public:
    explicit frmkeisankijyun(ScreenContext &ctx, QWidget *parent = nullptr);

    const SettingsScreen &logic() const { return m_logic; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *buildSettings();
    QWidget *buildRounding();
    QFrame *buildGuide();
    void render();
    void renderOptions(int chosen);
    void showGuide(bool shown);

    void entered(QWidget *box);
    void left(QWidget *box);
    bool key(QWidget *box, QKeyEvent *event);
    void moveOn(QWidget *box);

    int textIndex(QWidget *box) const;
    int roundingIndex(QWidget *box) const;

    SettingsScreen m_logic;
    BoxEvents *m_events = nullptr;
    QToolBar *m_toolbar = nullptr;
    QFrame *m_guide = nullptr;
    std::array<QLineEdit *, SettingsScreen::kTextBoxes> m_text{};
    std::array<QComboBox *, SettingsScreen::kRoundingBoxes> m_rounding{};
    std::array<QRadioButton *, SettingsScreen::kOptions> m_option{};
    bool m_opened = false;
    bool m_closed = false;
    bool m_leaving = false;
};
