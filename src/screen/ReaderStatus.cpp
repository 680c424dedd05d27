#include "screen/ReaderStatus.h"

void ReaderStatus::update(const QStringList &names) {
    bool arrived = false;
    for (const QString &n : names)
        arrived = arrived || !m_now.contains(n);
    for (const QString &n : m_now)
        if (!names.contains(n) && !m_gone.contains(n))
            m_gone.append(n);
    m_now = names;
    // A reader plugged in again may come under another name (its port is part
    // of it): one that arrives takes the place of those pulled out.
    if (arrived)
        m_gone.clear();
}

QString ReaderStatus::text() const {
    const QString sep = QStringLiteral("、");
    if (lost())
        return QStringLiteral("ICカードリーダーが外れています。差し込み直してください（%1）。")
            .arg(m_gone.join(sep));
    if (m_now.isEmpty())
        return {};
    QString t = QStringLiteral("ICカードリーダー：") + m_now.join(sep);
    if (!m_gone.isEmpty())
        t += QStringLiteral("（%1 が外れています）").arg(m_gone.join(sep));
    return t;
}
