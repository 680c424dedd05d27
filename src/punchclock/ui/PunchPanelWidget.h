#pragma once

#include "punchclock/PunchTypes.h"

#include <QFrame>
#include <array>

class ClickImage;
class QLabel;
class PunchPanel;

// Picture2: the set card with its code, name and the four punch rows, each a
// kind button and its time, between ruling lines.
class PunchPanelWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 236;
    static constexpr int kHeight = 318;

    explicit PunchPanelWidget(QWidget *parent);
    void render(const PunchPanel &panel);

Q_SIGNALS:
    void kindChosen(int k);
    void kindUnchosen(int k);

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    static constexpr int kTop = 78;   // first punch row
    static constexpr int kRow = 58;   // height of a punch row
    static constexpr int kSplit = 96; // the column rule between button and time

    QLabel *m_code;
    QLabel *m_name;
    std::array<ClickImage *, kKinds> m_raised{};
    std::array<ClickImage *, kKinds> m_pressed{};
    std::array<QLabel *, kKinds> m_times{};
};
