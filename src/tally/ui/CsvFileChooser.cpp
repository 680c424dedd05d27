#include "tally/ui/CsvFileChooser.h"

#include "screen/ui/SaveFileDialog.h"

QString CsvFileChooser::askCsvFile(const QString &suggestedName) {
    return askSaveFile(m_parent, QStringLiteral("給与計算用データの出力"), suggestedName,
                       QStringLiteral("CSV ファイル (*.csv)"), QStringLiteral(".csv"));
}
