#pragma once

#include <QString>

// The print settings of the tally screen: they live as long as the screen and
// keep their values between print runs.
struct PrintSettings {
    static inline const QString kAll = QStringLiteral("zenin");        // every marked employee
    static inline const QString kDesignated = QStringLiteral("sitei"); // a range of codes

    QString rangeMode = kAll;
    QString fromCode; // digits, at most 3
    QString toCode;   // digits, at most 3
    QString copies;   // digits, at most 2
};
