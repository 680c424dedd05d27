#pragma once

#include <QByteArray>
#include <QString>
#include <atomic>
#include <thread>

// A contactless card for the virtual reader of vsmartcard-vpcd, written for
// the tests: it speaks vpcd's protocol over TCP (each message a two-byte
// length, then the payload; a one-byte 0x04 asks for the ATR, 0x00, 0x01 and
// 0x02 switch the card off, on and reset it and want no answer; anything else
// is an APDU) and answers GET DATA (FF CA 00 00 Le) with its ID, as a
// contactless reader's card does. Putting it on the reader is connecting;
// taking it off, closing the connection.
class VirtualCard {
public:
    explicit VirtualCard(int port) : m_port(port) {}
    ~VirtualCard() { lift(); }

    // Puts a card with this ID on the reader; false with the reason when the
    // reader was not reached within a few seconds.
    bool touch(const QByteArray &id, QString &why);
    // Takes it off again.
    void lift();
    // APDUs answered so far.
    int answered() const { return m_answered; }

private:
    void serve();

    int m_port;
    int m_fd = -1;
    QByteArray m_id;
    std::thread m_thread;
    std::atomic<int> m_answered{0};
};
