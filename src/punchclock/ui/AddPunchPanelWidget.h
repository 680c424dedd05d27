#pragma once

#include "punchclock/AddPunchPanel.h"

#include <QFrame>
#include <array>

class EntryBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QRadioButton;

// Picture6: the additional punch panel.
class AddPunchPanelWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 415;
    static constexpr int kHeight = 516;

    AddPunchPanelWidget(AddPunchPanel &panel, QWidget *parent);
    void render();

Q_SIGNALS:
    // Something changed that the screen shows elsewhere (the panel closed).
    void changed();

protected:
    void paintEvent(QPaintEvent *e) override;

private:
    static constexpr int kKindTop = 222;
    static constexpr int kKindRow = 40;
    static constexpr int kRight = 182;

    void act(void (AddPunchPanel::*f)());

    AddPunchPanel &m_panel;
    QComboBox *m_months;
    QListWidget *m_employees;
    QLabel *m_code;
    QLabel *m_name;
    std::array<EntryBox *, AddPunchPanel::kBoxes> m_boxes{};
    QLabel *m_date;
    QComboBox *m_weekday;
    std::array<QRadioButton *, kKinds> m_options{};
    std::array<QLabel *, kKinds> m_times{};
    QPushButton *m_add;
    QPushButton *m_close;
    bool m_rendering = false;
};
