#include "tally/EntryText.h"

#include <QRegularExpression>
#include <cmath>

namespace entrytext {

namespace {

QString dotToColon(QString t) {
    const qsizetype dot = t.indexOf(QLatin1Char('.'));
    if (dot >= 0)
        t[dot] = QLatin1Char(':');
    return t;
}

QString padLoneMinuteDigit(QString t) {
    const qsizetype colon = t.indexOf(QLatin1Char(':'));
    if (colon >= 0 && t.size() - colon - 1 == 1)
        t.insert(colon + 1, QLatin1Char('0'));
    return t;
}

} // namespace

QString certified(const QString &typed) {
    return padLoneMinuteDigit(dotToColon(typed));
}

bool isBare(const QString &text) {
    return !text.isEmpty() && !text.contains(QLatin1Char(':'));
}

QString punch(const QString &typed) {
    if (typed.isEmpty() || typed == QLatin1String(kDeleteCode))
        return typed;
    QString t = dotToColon(typed);
    if (!t.contains(QLatin1Char(':')))
        t.prepend(QStringLiteral("0:"));
    return padLoneMinuteDigit(t);
}

bool isStorablePunch(const QString &text) {
    static const QRegularExpression form(QStringLiteral("^([0-9]{1,2}):([0-9]{2})$"));
    const QRegularExpressionMatch m = form.match(text);
    return m.hasMatch() && m.captured(1).toInt() <= 47 && m.captured(2).toInt() <= 59;
}

int targetDay(const QString &text) {
    static const QRegularExpression number(QStringLiteral("^\\s*([-+]?[0-9]*\\.?[0-9]*)"));
    const QString lead = number.match(text).captured(1);
    bool ok = false;
    const double v = lead.toDouble(&ok);
    if (!ok || v < 0.5 || v > 31.5)
        return 0;
    return static_cast<int>(std::nearbyint(v)); // the default rounding sends halves to even
}

} // namespace entrytext
