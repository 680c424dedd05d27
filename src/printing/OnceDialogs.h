#pragma once

#include "platform/Dialogs.h"

#include <QHash>

// The message boxes of one preview. The preview window draws its pages again
// whenever it needs them, and every drawing is a print run that would ask and
// tell the same again: here each box is shown once, and a question asked
// again gets the first answer.
class OnceDialogs : public Dialogs {
public:
    explicit OnceDialogs(Dialogs &shown) : m_shown(shown) {}
    BoxAnswer message(const QString &text, const QString &title, BoxIcon icon,
                      BoxButtons buttons) override;

private:
    Dialogs &m_shown;
    QHash<QString, BoxAnswer> m_answers;
};
