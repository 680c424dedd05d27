#include "screen/ui/FolderTree.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QTreeView>

QTreeView *folderTree(QFileSystemModel *model, QWidget *parent) {
    model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    model->setReadOnly(true);
    auto *tree = new QTreeView(parent);
    tree->setObjectName(QStringLiteral("Dir1"));
    tree->setModel(model);
    for (int c = 1; c < model->columnCount(); ++c)
        tree->hideColumn(c);
    tree->header()->hide();
    return tree;
}

void revealFolder(QTreeView *tree, const QModelIndex &index) {
    for (QModelIndex p = index.parent(); p.isValid(); p = p.parent())
        tree->expand(p);
    tree->scrollTo(index, QAbstractItemView::PositionAtCenter);
}
