#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <array>

// SHA-256 through the system's crypto library, which uses the processor's
// hash instructions where it has them: the change history hashes every line
// it checks, and Qt's own SHA-256 is a hundred times slower here.
class Sha256 {
public:
    Sha256();
    ~Sha256();
    Sha256(const Sha256 &) = delete;
    Sha256 &operator=(const Sha256 &) = delete;

    void reset();
    void add(QByteArrayView bytes);
    // The hash of what was added so far, in lower-case hex; adding may go on.
    QByteArray hexSoFar() const;
    // The same compared with a hex text, without making a text of it.
    bool hexSoFarIs(QByteArrayView hex) const;

    // The hash of bytes in lower-case hex.
    static QByteArray hex(QByteArrayView bytes);

private:
    struct State;
    State *m_state;
};
