#pragma once

#include "platform/Printer.h"

#include <QList>
#include <QMap>
#include <QStringList>

// A printer that records every operation and plays a scripted device: an A4
// page of 600 dpi with a printable area of the given width. Chosen calls can
// fail with any error number.
class RecordingPrinter : public Printer {
public:
    struct Call {
        QString op;
        QList<double> args;
        QString text;
    };

    double widthMm = 203.2;
    int caps[4] = {4960, 7016, 0, 0}; // 110 to 113, in pixels
    bool keepsPaper = false;          // a driver that ignores the paper size set
    int paper = 0;
    int unit = Twips;

    // The n-th call (from 1) of an operation fails with the error.
    void failOn(const QString &op, int nth, int error) {
        m_faults[op + QLatin1Char('#') + QString::number(nth)] = error;
    }
    // Every call as a line: op, its arguments to two decimals, its text.
    QStringList log() const;
    // The texts printed on each page (pages split at newPage).
    QList<QStringList> pageTexts() const;
    int count(const QString &op) const { return m_counts.value(op); }
    void clear() {
        m_calls.clear();
        m_counts.clear();
    }

    int setPaperSize(int code) override;
    Reading<int> paperSize() override { return {paper, record("paperSize")}; }
    int setScaleUnit(int u) override;
    Reading<double> printableWidth() override;
    int setScaleOrigin(double l, double t) override { return record("setScaleOrigin", {l, t}); }
    Reading<int> deviceCaps(int index) override;
    int setLineStyle(int s) override { return record("setLineStyle", {double(s)}); }
    int setLineWidth(int px) override { return record("setLineWidth", {double(px)}); }
    int line(double x1, double y1, double x2, double y2) override {
        return record("line", {x1, y1, x2, y2});
    }
    int rectangle(double x1, double y1, double x2, double y2) override {
        return record("rectangle", {x1, y1, x2, y2});
    }
    int setFontFace(const QString &face) override { return record("setFontFace", {}, face); }
    int setFontSize(double points) override { return record("setFontSize", {points}); }
    int setPosition(double x, double y) override { return record("setPosition", {x, y}); }
    int print(const QString &text) override {
        return record("print", {}, text.isNull() ? QString("") : text);
    }
    int newPage() override { return record("newPage"); }
    int endDocument() override { return record("endDocument"); }
    int abortDocument() override { return record("abortDocument"); }
    int setupDialog() override { return record("setupDialog"); }

private:
    int record(const char *op, QList<double> args = {}, const QString &text = {});

    QList<Call> m_calls;
    QMap<QString, int> m_counts;
    QMap<QString, int> m_faults;
};
