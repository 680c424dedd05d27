#pragma once

#include "punchclock/RecorderScreen.h"

#include <QFrame>
#include <array>

class QLabel;
class QPushButton;

// In the place of the card panel while the rack is empty: what a new user
// does first, step by step, each step a button that opens its screen and
// names the menu item that opens it too; in an office that has card months,
// which month is not prepared, with a button to the preparation.
class FirstStepsPanel : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 236;
    static constexpr int kHeight = 380; // down to the card buttons' foot

    explicit FirstStepsPanel(QWidget *parent);
    void render(const RecorderScreen::FirstSteps &steps);

Q_SIGNALS:
    // The screen of a step, by its current-screen word.
    void openScreen(const QString &word);

private:
    void buildSteps();
    void buildMissing();

    static constexpr int kSteps = 3;
    QWidget *m_stepsPage = nullptr;
    QWidget *m_missingPage = nullptr;
    QLabel *m_missing = nullptr;
    std::array<QPushButton *, kSteps> m_buttons{};
    std::array<QString, kSteps> m_captions;
};
