#pragma once

#include <QFrame>

class QComboBox;
class QLabel;
class QFileSystemModel;
class QPushButton;
class QTreeView;

// Picture4 of the roster screen: the drive list Drive1 (the mounted volumes),
// the folder list Dir1 over the chosen drive, Command2 "コピー開始" and
// Command3 "閉　じ　る".
class RosterImportPanel : public QFrame {
    Q_OBJECT
public:
    explicit RosterImportPanel(QWidget *parent = nullptr);

    // The folder chosen in Dir1; empty until the folder list was changed.
    QString chosenFolder() const { return m_folder; }
    // Shows the drive and selects the folder in Dir1, as a user would.
    void chooseFolder(const QString &path);

Q_SIGNALS:
    void copyRequested(const QString &folder);

private:
    void showDrive(const QString &root);

    QComboBox *m_drive;
    QTreeView *m_dir;
    QFileSystemModel *m_model;
    QLabel *m_path;
    QPushButton *m_copy;
    QPushButton *m_close;
    QString m_folder;
};
