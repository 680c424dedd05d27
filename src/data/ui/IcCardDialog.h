#pragma once

#include "data/CardRegistration.h"

#include <QDialog>
#include <functional>

class QLabel;
class QListWidget;
class QPushButton;
class WedgeFilter;

// frmickaado, "ICカードの登録": the employees of the roster on the left, the
// chosen one's cards on the right; a card touched on a reader (or typed by a
// reader that types) is tied to the chosen employee. The rules live in
// CardRegistration.
class IcCardDialog : public QDialog {
    Q_OBJECT
public:
    // Lists the employees of roster, the one of code chosen. Check opened()
    // before showing it.
    IcCardDialog(Services &s, const Roster &roster, const QString &code, QWidget *parent);

    bool opened() const { return m_opened; }
    CardRegistration &logic() { return m_logic; }
    void render();

private:
    void act(const std::function<void()> &f);

    Services &m_s;
    CardRegistration m_logic;
    QListWidget *m_people = nullptr;
    QListWidget *m_cards = nullptr;
    QPushButton *m_remove = nullptr;
    QLabel *m_result = nullptr;
    QLabel *m_reader = nullptr;
    WedgeFilter *m_wedge = nullptr;
    bool m_opened = false;
    bool m_rendering = false;
};
