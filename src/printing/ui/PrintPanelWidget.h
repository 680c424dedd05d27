#pragma once

#include "printing/PrintPanel.h"

#include <QFrame>
#include <array>
#include <memory>

class EntryBox;
class QCheckBox;
class QLabel;
class QPushButton;
class QRadioButton;

// Picture6: the print panel of the tally screen.
//
// How the tally screen embeds it: it owns the PrintPanel (so the print
// settings live as long as the screen), makes this widget a child of its
// window and places it; toolbar button 3 calls open() with List1's entries,
// the card month folder and the calculation settings, then disables toolbar
// buttons 1 to 5, Combo1 and List1. When the panel closes ("閉じる") it emits
// closed(), and the screen enables them again.
class PrintPanelWidget : public QFrame {
    Q_OBJECT
public:
    // targets: where runs go; the system's printers, PDF files and the
    // preview window when none is given.
    PrintPanelWidget(PrintPanel &panel, QWidget *parent, PrintTargets *targets = nullptr);
    ~PrintPanelWidget() override;

    PrintPanel &logic() { return m_panel; }
    // Shows the panel and gives it the focus.
    void open(const QList<EmployeeLine> &staff, const QString &monthFolder,
              const CalcSettings &settings, const SheetReview &review = {});
    void render();

Q_SIGNALS:
    void closed();

private:
    void act(void (PrintPanel::*f)(PrintTargets &));

    PrintPanel &m_panel;
    std::unique_ptr<PrintTargets> m_ownTargets;
    PrintTargets *m_targets;
    QRadioButton *m_all;
    QRadioButton *m_designated;
    QCheckBox *m_history = nullptr;
    QLabel *m_toCheck = nullptr; // the sheets that want a second look
    std::array<EntryBox *, PrintPanel::kBoxes> m_boxes{};
    std::array<QPushButton *, 5> m_buttons{};
    QPushButton *m_overHours = nullptr; // "80時間超の一覧" with its targets
    void overHoursList(PrintPanel::ListTarget where);
    bool m_rendering = false;
};
