#include "printing/OnceDialogs.h"

BoxAnswer OnceDialogs::message(const QString &text, const QString &title, BoxIcon icon,
                               BoxButtons buttons) {
    const QString key = QString::number(static_cast<int>(icon)) + QLatin1Char('/') +
                        QString::number(static_cast<int>(buttons)) + QLatin1Char('/') + title +
                        QLatin1Char('\n') + text;
    const auto known = m_answers.constFind(key);
    if (known != m_answers.constEnd())
        return *known;
    const BoxAnswer a = m_shown.message(text, title, icon, buttons);
    m_answers.insert(key, a);
    return a;
}
