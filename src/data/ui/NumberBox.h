#pragma once

class QLineEdit;

// Makes a line edit a number box: digits only, whatever way text arrives
// (keys are filtered by the screen; paste, drops and input methods here).
void makeNumberBox(QLineEdit *box, int maxLength);
