#pragma once

#include "platform/CardReader.h"

#include <memory>

// The readers of the PC/SC service (pcsc-lite's pcscd). One thread of its own
// watches every reader, and a reader plugged in later through the service's
// plug-and-play notice; a card put on a reader is asked for its ID with the
// command that every contactless reader of the CCID class answers (GET DATA,
// FF CA 00 00 00). Without the service the thread tries again now and then
// and tells nothing; the GUI thread never waits for it.
class PcscCardReader : public CardReader {
    Q_OBJECT
public:
    explicit PcscCardReader(QObject *parent = nullptr);
    // Stops the thread; one that does not stop at once (a service that does
    // not answer) is left to end by itself and tells nobody any more.
    ~PcscCardReader() override;

    void start() override;
    QStringList readers() const override;

    struct Shared;

private:
    std::shared_ptr<Shared> m_shared;
};
