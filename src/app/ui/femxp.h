#pragma once

#include "app/DisplayStyle.h"

#include <QDialog>

class QCheckBox;

// The display-style window: classic desktop or not, written to XP.Dat on close.
class femxp : public QDialog {
    Q_OBJECT
public:
    femxp(Services &services, QWidget *parent = nullptr);

protected:
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    Services &m_s;
    DisplayStyle m_style;
    QCheckBox *m_check = nullptr;
    bool m_written = false;
};
