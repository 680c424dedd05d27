#pragma once

class QFileSystemModel;
class QModelIndex;
class QTreeView;
class QWidget;

// Dir1: the folders of the model (which is set to read folders only, and
// never to change them) in a single column without a header.
QTreeView *folderTree(QFileSystemModel *model, QWidget *parent);
// Opens the folders above the index and scrolls it to the tree's middle.
void revealFolder(QTreeView *tree, const QModelIndex &index);
