#pragma once

#include <QDateTime>

// The wall clock: today's date with its weekday and the time with seconds.
class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
};

class SystemClock : public Clock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};
