#pragma once

#include <QObject>
#include <QString>
#include <QStringList>

// Contactless IC card readers (FeliCa, MIFARE). The real one watches every
// reader on a thread of its own and tells what it saw through these signals,
// which reach the receiver's thread queued; without a reader service or a
// reader it says nothing at all.
class CardReader : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    // Starts watching; further calls do nothing. Nothing is watched before:
    // a program that never asks for cards never touches the reader service.
    virtual void start() = 0;
    // The readers there are now (as readersChanged last told them).
    virtual QStringList readers() const = 0;

Q_SIGNALS:
    // A card was put on a reader: its ID in upper-case hex ("0123456789ABCDEF"
    // for a FeliCa IDm, 8 or 14 digits for a MIFARE UID). Empty when a card
    // was there but its ID could not be read.
    void touched(const QString &id);
    // The readers there are now, by name, whenever that changed: a reader
    // plugged in or pulled out, the reader service started or gone.
    void readersChanged(const QStringList &names);
};

// A card's ID as it is told and kept: upper-case hex digits.
namespace cardid {

inline constexpr int kMaxLength = 32;

QString fromBytes(const QByteArray &bytes);
// The ID of a text: blanks around it dropped, letters upper-case. Empty for
// a text that is no ID (empty, longer than kMaxLength, or holding anything
// but hex digits).
QString normalized(const QString &text);

} // namespace cardid
