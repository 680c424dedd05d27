#include "support/RecordingPrinter.h"

int RecordingPrinter::record(const char *name, QList<double> args, const QString &text) {
    const QString op = QString::fromLatin1(name);
    m_calls.append({op, std::move(args), text});
    const int n = ++m_counts[op];
    return m_faults.value(op + QLatin1Char('#') + QString::number(n), 0);
}

QStringList RecordingPrinter::log() const {
    QStringList lines;
    for (const Call &c : m_calls) {
        QString line = c.op;
        for (double a : c.args)
            line += QLatin1Char(' ') + QString::number(a, 'f', 2);
        if (!c.text.isNull())
            line += QStringLiteral(" \"") + c.text + QLatin1Char('"');
        lines.append(line);
    }
    return lines;
}

QList<QStringList> RecordingPrinter::pageTexts() const {
    QList<QStringList> pages;
    for (const Call &c : m_calls) {
        if (c.op == QLatin1String("newPage") || (c.op == QLatin1String("print") && pages.isEmpty()))
            pages.append(QStringList());
        if (c.op == QLatin1String("print"))
            pages.last().append(c.text);
    }
    return pages;
}

int RecordingPrinter::setPaperSize(int code) {
    const int e = record("setPaperSize", {double(code)});
    if (!e && !keepsPaper)
        paper = code;
    return e;
}

int RecordingPrinter::setScaleUnit(int u) {
    const int e = record("setScaleUnit", {double(u)});
    if (!e)
        unit = u;
    return e;
}

Printer::Reading<double> RecordingPrinter::printableWidth() {
    const int e = record("printableWidth");
    return {unit == Points ? widthMm * 72 / 25.4 : widthMm, e};
}

Printer::Reading<int> RecordingPrinter::deviceCaps(int index) {
    const int e = record("deviceCaps", {double(index)});
    const int i = index - PhysicalWidth;
    return {i >= 0 && i < 4 ? caps[i] : 0, e};
}
