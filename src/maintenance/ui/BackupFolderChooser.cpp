#include "maintenance/ui/BackupFolderChooser.h"

#include "platform/Volumes.h"
#include "screen/ui/FolderTree.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

BackupFolderChooser::BackupFolderChooser(QWidget *parent) : QWidget(parent) {
    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_drive->addItems(volumes::mountedRoots());

    m_model = new QFileSystemModel(this);
    m_dir = folderTree(m_model, this);

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(3);
    v->addWidget(m_drive);
    v->addWidget(m_dir, 1);

    connect(m_drive, &QComboBox::activated, this, &BackupFolderChooser::chooseDrive);
    connect(m_dir->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!m_placing && current.isValid())
                    announce(m_model->filePath(current));
            });
    // Folders are read in the background: keep the chosen one in view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this] {
        QTimer::singleShot(50, this, [this] {
            const QModelIndex index = m_model->index(m_path);
            if (index.isValid())
                revealFolder(m_dir, index);
        });
    });
}

void BackupFolderChooser::chooseDrive(int index) {
    const QString root = m_drive->itemText(index);
    // A drive that cannot be read leaves the folder list as it was.
    if (root.isEmpty() || !QFileInfo(root).isReadable())
        return;
    place(root);
    announce(root);
}

void BackupFolderChooser::place(const QString &path) {
    m_placing = true;
    int best = -1;
    for (int i = 0; i < m_drive->count(); ++i) {
        const QString root = m_drive->itemText(i);
        const bool under =
            path == root ||
            path.startsWith(root.endsWith(QLatin1Char('/')) ? root : root + QLatin1Char('/'));
        if (under && (best < 0 || root.size() > m_drive->itemText(best).size()))
            best = i;
    }
    if (best >= 0) {
        m_drive->setCurrentIndex(best);
        m_dir->setRootIndex(m_model->setRootPath(m_drive->itemText(best)));
    }
    const QModelIndex index = m_model->index(path);
    if (index.isValid() && index != m_dir->rootIndex()) {
        m_dir->setCurrentIndex(index);
        revealFolder(m_dir, index);
    } else {
        m_dir->selectionModel()->clearCurrentIndex();
        m_dir->clearSelection();
    }
    m_path = path;
    m_placing = false;
}

void BackupFolderChooser::showFolder(const QString &path) {
    place(path);
}

void BackupFolderChooser::setFolder(const QString &path) {
    place(path);
    announce(path);
}

void BackupFolderChooser::announce(const QString &path) {
    m_path = path;
    Q_EMIT folderChanged(path);
}
