#pragma once

#include <QFrame>
#include <QIcon>
#include <QSize>

class HistoryView;
class QCheckBox;
class QLabel;
class QPushButton;
class QTableWidget;

// The tally screen's change-history panel Picture8: the open employee's
// records of the month in a read-only table, shown over the card area.
class HistoryViewWidget : public QFrame {
    Q_OBJECT
public:
    // size: that of the card area it covers.
    HistoryViewWidget(QWidget *parent, QSize size);

    QPushButton *closeButton() const { return m_close; }
    QCheckBox *punches() const { return m_punches; }
    QTableWidget *table() const { return m_table; }

    // title: the month and the employee; pending: the open card holds
    // corrections not yet confirmed (the history gets them at the confirm).
    void render(const HistoryView &view, const QString &title, bool pending);

    // The image of toolbar button 8.
    static QIcon toolIcon();

private:
    QLabel *m_title = nullptr;
    QTableWidget *m_table = nullptr;
    QLabel *m_note = nullptr;
    QCheckBox *m_punches = nullptr;
    QPushButton *m_close = nullptr;
};
