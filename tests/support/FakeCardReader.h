#pragma once

#include "platform/CardReader.h"

// A card reader the test touches cards on and plugs readers into.
class FakeCardReader : public CardReader {
    Q_OBJECT
public:
    void start() override { ++starts; }
    QStringList readers() const override { return m_readers; }

    void touch(const QString &id) { Q_EMIT touched(id); }
    void plug(const QStringList &names) {
        m_readers = names;
        Q_EMIT readersChanged(names);
    }
    int starts = 0;

private:
    QStringList m_readers;
};
