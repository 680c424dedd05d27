#pragma once

#include <QString>
#include <QStringList>

// What a screen's status line tells of the IC card readers: nothing until a
// reader was ever seen (without one the feature is quietly off), the readers
// there are, and a reader that was there and is gone.
class ReaderStatus {
public:
    // The readers there are now, by name.
    void update(const QStringList &names);

    QString text() const;
    // A reader is gone and none is there: cards cannot be touched now.
    bool lost() const { return m_now.isEmpty() && !m_gone.isEmpty(); }
    bool present() const { return !m_now.isEmpty(); }

private:
    QStringList m_now;
    QStringList m_gone; // seen before and not there now
};
