#pragma once

#include "tally/CorrectionPanel.h"

#include <QFrame>
#include <array>

class EntryBox;
class QLineEdit;
class QPushButton;

// The correction panel of the tally screen: boxes texnintei 75-79, the
// deletion hint, the optional reason texriyuu, Command3 "訂正・追加" and
// Command4 "閉　じ　る".
class CorrectionPanelWidget : public QFrame {
    Q_OBJECT
public:
    static constexpr int kWidth = 306;
    static constexpr int kHeight = 236;

    explicit CorrectionPanelWidget(QWidget *parent);

    QLineEdit *box(int i) const { return m_boxes[static_cast<size_t>(i)]; }
    QPushButton *execute() const { return m_execute; }
    EntryBox *reason() const { return m_reason; }
    QPushButton *closeButton() const { return m_close; }

    // The box in use keeps the text being typed.
    void render(const CorrectionPanel &panel, int boxInUse);

private:
    std::array<QLineEdit *, CorrectionPanel::kBoxes> m_boxes{};
    EntryBox *m_reason = nullptr;
    QPushButton *m_execute = nullptr;
    QPushButton *m_close = nullptr;
};
