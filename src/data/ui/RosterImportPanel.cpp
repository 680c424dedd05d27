#include "data/ui/RosterImportPanel.h"

#include "data/RosterImport.h"
#include "screen/ui/FolderTree.h"

#include <QComboBox>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

RosterImportPanel::RosterImportPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture4"));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);

    auto *caption = new QLabel(QStringLiteral("【データコピー】"), this);
    QFont bold = caption->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    caption->setFont(bold);
    auto *hint = new QLabel(QStringLiteral("「マルカ」がインストールされているドライブとフォルダを"
                                           "選んで、［コピー開始］を押してください。"
                                           "従業員の名簿は、マルカの在職者で置き換えられます。"),
                            this);
    hint->setWordWrap(true);

    m_drive = new QComboBox(this);
    m_drive->setObjectName(QStringLiteral("Drive1"));
    m_drive->addItems(RosterImport::drives());

    m_model = new QFileSystemModel(this);
    m_dir = folderTree(m_model, this);

    m_path = new QLabel(this);
    m_path->setObjectName(QStringLiteral("lblfolder"));
    m_path->setFrameShape(QFrame::StyledPanel);
    m_path->setTextInteractionFlags(Qt::TextSelectableByMouse);

    m_copy = new QPushButton(QStringLiteral("コピー開始"), this);
    m_copy->setObjectName(QStringLiteral("Command2"));
    m_close = new QPushButton(QStringLiteral("閉　じ　る"), this);
    m_close->setObjectName(QStringLiteral("Command3"));

    auto *grid = new QGridLayout;
    grid->addWidget(new QLabel(QStringLiteral("ドライブ"), this), 0, 0);
    grid->addWidget(m_drive, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("フォルダ"), this), 1, 0, Qt::AlignTop);
    grid->addWidget(m_dir, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("コピー元"), this), 2, 0);
    grid->addWidget(m_path, 2, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_copy);
    buttons->addWidget(m_close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(caption);
    layout->addWidget(hint);
    layout->addLayout(grid, 1);
    layout->addLayout(buttons);

    connect(m_drive, &QComboBox::currentTextChanged, this, &RosterImportPanel::showDrive);
    connect(m_dir->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (!current.isValid())
                    return;
                m_folder = m_model->filePath(current);
                m_path->setText(m_folder);
            });
    // Folders are read in the background: keep the chosen one in view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, [this] {
        // After the model has sorted what it read.
        QTimer::singleShot(50, this, [this] {
            if (!m_folder.isEmpty())
                revealFolder(m_dir, m_model->index(m_folder));
        });
    });
    connect(m_copy, &QPushButton::clicked, this, [this] { Q_EMIT copyRequested(m_folder); });
    connect(m_close, &QPushButton::clicked, this, &QWidget::hide);
    showDrive(m_drive->currentText());
}

void RosterImportPanel::showDrive(const QString &root) {
    // A drive that is gone or not ready simply shows no folders.
    if (root.isEmpty())
        return;
    m_dir->setRootIndex(m_model->setRootPath(root));
}

void RosterImportPanel::chooseFolder(const QString &path) {
    int best = -1;
    for (int i = 0; i < m_drive->count(); ++i) {
        const QString root = m_drive->itemText(i);
        if (path.startsWith(root) && (best < 0 || root.size() > m_drive->itemText(best).size()))
            best = i;
    }
    if (best >= 0)
        m_drive->setCurrentIndex(best);
    const QModelIndex index = m_model->index(path);
    if (!index.isValid())
        return;
    m_dir->setCurrentIndex(index);
    revealFolder(m_dir, index);
}
