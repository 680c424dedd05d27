#pragma once

#include "data/SettingsScreen.h"
#include "screen/ui/WorkingScreen.h"

#include <array>

class EntryBox;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
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
    bool load() override;
    bool save() override;

private:
    QWidget *buildSettings();
    QWidget *buildRounding();
    QWidget *buildIcCard();
    void renderIcCard();
    QFrame *buildGuide();
    void render();
    void renderOptions(int chosen);

    void wireBoxes();
    void leaveText(int i);
    void leaveRounding(int k);

    SettingsScreen m_logic;
    QToolBar *m_toolbar = nullptr;
    QLabel *m_roundingNotice = nullptr;
    QCheckBox *m_icPunch = nullptr;
    QCheckBox *m_icClick = nullptr;
    QLabel *m_icPinMissing = nullptr;
    std::array<EntryBox *, SettingsScreen::kTextBoxes> m_text{};
    std::array<EntryBox *, SettingsScreen::kRoundingBoxes> m_rounding{};
    std::array<QRadioButton *, SettingsScreen::kOptions> m_option{};
};
