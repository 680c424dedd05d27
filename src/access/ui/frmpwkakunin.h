#pragma once

#include "access/PinPrompt.h"

#include <QDialog>

class EntryBox;
class QPushButton;

// The modal PIN prompt in front of the administrator's functions. exec()
// gives Accepted only when the PIN matched for a known requester.
class frmpwkakunin : public QDialog {
    Q_OBJECT
public:
    explicit frmpwkakunin(Services &services, QWidget *parent = nullptr);

private:
    void centreOnScreen();
    void ok();

    PinPrompt m_prompt;
    EntryBox *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
};

// The prompt as the screen registry runs it: true on a match.
bool runPinPrompt(QWidget *parent, Services &services);
