#pragma once

#include <QString>

// What a long print run shows while it goes: which employee of how many. The
// user may stop the run between two employees.
class PrintProgress {
public:
    virtual ~PrintProgress() = default;
    // Before the sheets of employee done + 1 of total. False: the user
    // stopped the run.
    virtual bool next(int done, int total, const QString &who) = 0;
    // The run is over, whatever its end.
    virtual void finish() = 0;
};
