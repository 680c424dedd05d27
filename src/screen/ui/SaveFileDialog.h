#pragma once

#include <QString>

class QWidget;

// Asks where to save a new file: the dialog opens in the documents folder (the
// home folder when there is none) on the suggested name, and the extension
// (".csv") is added when the user left it off. Empty when the user cancelled.
QString askSaveFile(QWidget *parent, const QString &title, const QString &suggestedName,
                    const QString &filter, const QString &extension);
