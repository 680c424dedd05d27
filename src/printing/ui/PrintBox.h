#pragma once

#include <QLineEdit>

// A box of the print panel: digits only, as many as it holds; Enter moves on
// (the panel says where), Esc does nothing; leaving it is told once the
// focus has really gone elsewhere (not to a message box or a menu).
class PrintBox : public QLineEdit {
    Q_OBJECT
public:
    PrintBox(const QString &name, int maxLength, QWidget *parent);

Q_SIGNALS:
    void enterPressed();
    void left();

protected:
    void keyPressEvent(QKeyEvent *e) override;
    void focusOutEvent(QFocusEvent *e) override;
};
