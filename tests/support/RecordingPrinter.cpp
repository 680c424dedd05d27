#include "support/RecordingPrinter.h"

int RecordingPrinter::record(const QString &op, QList<double> args, const QString &text) {
    m_calls.append({op, std::move(args), text});
    const int n = ++m_counts[op];
    if (const auto from = m_from.find(op); from != m_from.end() && n >= from->first)
        return from->second;
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

QStringList RecordingPrinter::logFrom(const QString &op) const {
    const QStringList all = log();
    for (qsizetype i = 0; i < m_calls.size(); ++i)
        if (m_calls[i].op == op)
            return all.mid(i);
    return {};
}

QList<QStringList> RecordingPrinter::pageTexts() const {
    QList<QStringList> pages;
    bool open = false;
    for (const Call &c : m_calls) {
        if (c.op == QLatin1String("newPage")) {
            pages.append(QStringList());
            open = true;
        } else if (c.op == QLatin1String("print")) {
            if (!open) {
                pages.append(QStringList());
                open = true;
            }
            pages.last().append(c.text);
        }
    }
    return pages;
}

int RecordingPrinter::count(const QString &op) const {
    return m_counts.value(op);
}

int RecordingPrinter::setPaperSize(int code) {
    const int e = record(QStringLiteral("setPaperSize"), {double(code)});
    if (!e && !keepsPaper)
        paper = code;
    return e;
}

Printer::Reading<int> RecordingPrinter::paperSize() {
    const int e = record(QStringLiteral("paperSize"));
    return {paper, e};
}

int RecordingPrinter::setScaleUnit(int u) {
    const int e = record(QStringLiteral("setScaleUnit"), {double(u)});
    if (!e)
        unit = u;
    return e;
}

Printer::Reading<double> RecordingPrinter::printableWidth() {
    const int e = record(QStringLiteral("printableWidth"));
    return {unit == Points ? widthMm * 72 / 25.4 : widthMm, e};
}

int RecordingPrinter::setScaleOrigin(double left, double top) {
    return record(QStringLiteral("setScaleOrigin"), {left, top});
}

Printer::Reading<int> RecordingPrinter::deviceCaps(int index) {
    const int e = record(QStringLiteral("deviceCaps"), {double(index)});
    const int i = index - PhysicalWidth;
    return {i >= 0 && i < 4 ? caps[i] : 0, e};
}

int RecordingPrinter::setLineStyle(int style) {
    return record(QStringLiteral("setLineStyle"), {double(style)});
}

int RecordingPrinter::setLineWidth(int devicePixels) {
    return record(QStringLiteral("setLineWidth"), {double(devicePixels)});
}

int RecordingPrinter::line(double x1, double y1, double x2, double y2) {
    return record(QStringLiteral("line"), {x1, y1, x2, y2});
}

int RecordingPrinter::rectangle(double x1, double y1, double x2, double y2) {
    return record(QStringLiteral("rectangle"), {x1, y1, x2, y2});
}

int RecordingPrinter::setFontFace(const QString &face) {
    return record(QStringLiteral("setFontFace"), {}, face);
}

int RecordingPrinter::setFontSize(double points) {
    return record(QStringLiteral("setFontSize"), {points});
}

int RecordingPrinter::setPosition(double x, double y) {
    return record(QStringLiteral("setPosition"), {x, y});
}

int RecordingPrinter::print(const QString &text) {
    return record(QStringLiteral("print"), {}, text.isNull() ? QStringLiteral("") : text);
}

int RecordingPrinter::newPage() {
    return record(QStringLiteral("newPage"));
}

int RecordingPrinter::endDocument() {
    return record(QStringLiteral("endDocument"));
}

int RecordingPrinter::abortDocument() {
    return record(QStringLiteral("abortDocument"));
}

int RecordingPrinter::setupDialog() {
    return record(QStringLiteral("setupDialog"));
}
