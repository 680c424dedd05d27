#pragma once

#include "tally/ExportChooser.h"

class QWidget;

// The file dialog of the payroll export, opening in the documents folder.
class CsvFileChooser : public ExportChooser {
public:
    explicit CsvFileChooser(QWidget *parent) : m_parent(parent) {}
    QString askCsvFile(const QString &suggestedName) override;

private:
    QWidget *m_parent;
};
