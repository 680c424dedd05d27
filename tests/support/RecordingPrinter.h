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

    // The device.
    double widthMm = 203.2;
    int caps[4] = {4960, 7016, 0, 0}; // 110 to 113, in pixels
    bool keepsPaper = false;          // a driver that ignores the paper size set
    int paper = 0;

    // The n-th call (from 1) of an operation fails with the error.
    void failOn(const QString &op, int nth, int error) {
        m_faults[op + QLatin1Char('#') + QString::number(nth)] = error;
    }
    // Every call of an operation from the n-th on fails.
    void failFrom(const QString &op, int nth, int error) { m_from[op] = {nth, error}; }

    const QList<Call> &calls() const { return m_calls; }
    // Every call as a line: op and its arguments to two decimals, or its text.
    QStringList log() const;
    // The calls from the first of op on.
    QStringList logFrom(const QString &op) const;
    // The texts printed on each page (pages split at newPage).
    QList<QStringList> pageTexts() const;
    int count(const QString &op) const;
    void clear() {
        m_calls.clear();
        m_counts.clear();
    }

    int setPaperSize(int code) override;
    Reading<int> paperSize() override;
    int setScaleUnit(int unit) override;
    Reading<double> printableWidth() override;
    int setScaleOrigin(double left, double top) override;
    Reading<int> deviceCaps(int index) override;
    int setLineStyle(int style) override;
    int setLineWidth(int devicePixels) override;
    int line(double x1, double y1, double x2, double y2) override;
    int rectangle(double x1, double y1, double x2, double y2) override;
    int setFontFace(const QString &face) override;
    int setFontSize(double points) override;
    int setPosition(double x, double y) override;
    int print(const QString &text) override;
    int newPage() override;
    int endDocument() override;
    int abortDocument() override;
    int setupDialog() override;

    int unit = Twips;

private:
    int record(const QString &op, QList<double> args = {}, const QString &text = {});

    QList<Call> m_calls;
    QMap<QString, int> m_counts;
    QMap<QString, int> m_faults;
    QMap<QString, std::pair<int, int>> m_from;
};
