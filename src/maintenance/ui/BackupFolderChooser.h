#pragma once

#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QTreeView;

// Drive1 (the mounted volumes) over Dir1 (the folders of the chosen drive).
// Choosing a drive moves the folder list to its root; every change of the
// folder list's path, by the user or by setFolder(), is announced once.
class BackupFolderChooser : public QWidget {
    Q_OBJECT
public:
    explicit BackupFolderChooser(QWidget *parent = nullptr);

    // Shows a folder without announcing it (the current folder at opening).
    void showFolder(const QString &path);
    // Moves the chooser to a folder as the program does; announced.
    void setFolder(const QString &path);

    QTreeView *folderList() const { return m_dir; }

Q_SIGNALS:
    void folderChanged(const QString &path);

private:
    void chooseDrive(int index);
    void place(const QString &path);
    void announce(const QString &path);

    QComboBox *m_drive;
    QTreeView *m_dir;
    QFileSystemModel *m_model;
    QString m_path;
    bool m_placing = false;
};
