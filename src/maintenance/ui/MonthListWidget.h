#pragma once

#include <QListWidget>
#include <functional>

class MonthList;

// List1 of the maintenance screens: a list where each click selects or
// deselects one entry. A change of an entry's selection is handed to the
// screen's rule once the click (and any box it opens) is over, and the list
// then shows what the rule decided.
class MonthListWidget : public QListWidget {
    Q_OBJECT
public:
    // rule(index, selected) returns whether the entry stays selected.
    using Rule = std::function<bool(int, bool)>;
    MonthListWidget(QWidget *parent, Rule rule);

    // Shows the lines and the selection of the list.
    void render(const MonthList &list);

Q_SIGNALS:
    // After the rule ran for a click.
    void clickHandled();

private:
    void handOver();

    Rule m_rule;
    bool m_rendering = false;
    bool m_pending = false;
    QList<bool> m_shown;
};
