#pragma once

#include <QLineEdit>

// A box for the administrator PIN: "*" for each character, at most six digits,
// no input method. Enter selects the text instead of acting (the button must
// be pressed); Esc empties the box.
class PinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit PinEdit(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};
