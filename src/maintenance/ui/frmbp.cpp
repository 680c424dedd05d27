#include "maintenance/ui/frmbp.h"

#include "maintenance/ui/BackupFolderChooser.h"
#include "maintenance/ui/MonthListWidget.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/GuidePanel.h"
#include "screen/ui/ScreenToolbar.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kNarrowTwips = 4410;
constexpr int kWideTwips = 8415;
constexpr int kHeightTwips = 6870;

} // namespace

frmbp::frmbp(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services) {
    setObjectName(QStringLiteral("frmbp"));
    setWindowTitle(QStringLiteral(" データのバックアップ＆復元"));

    m_main = buildMain();
    QFrame *guide = buildGuide();
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(m_main);
    body->addWidget(guide, 1);
    m_toolbar = screentoolbar::layOut(this, body, {Qt::ToolButtonIconOnly, QSize(24, 24)});
    setGuide(guide, {kNarrowTwips, kHeightTwips}, {kWideTwips, kHeightTwips});

    m_logic.onBusy = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    showGuide(false);
    open();
}

bool frmbp::load() {
    if (!m_logic.open())
        return false;
    // The choosers show the current folder until the user moves them.
    m_chooser->showFolder(m_ctx.services.fs.dataFolder());
    render();
    return true;
}

QWidget *frmbp::buildMain() {
    auto *page = new QWidget(this);
    page->setFixedWidth(twipsToPixels(kNarrowTwips));
    auto *v = new QVBoxLayout(page);
    v->setContentsMargins(6, 2, 6, 4);
    v->setSpacing(3);

    auto *modes = new QGroupBox(QStringLiteral("処理の選択"), page);
    auto *modeRow = new QHBoxLayout(modes);
    modeRow->setContentsMargins(6, 2, 6, 4);
    m_option1 = new QRadioButton(QStringLiteral("バックアップをとる"), modes);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("データを復元する"), modes);
    m_option2->setObjectName(QStringLiteral("Option2"));
    modeRow->addWidget(m_option1);
    modeRow->addWidget(m_option2);
    modeRow->addStretch();
    connect(m_option1, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_logic.chooseMode(BackupRestore::Mode::Hozon);
        render();
    });
    connect(m_option2, &QRadioButton::toggled, this, [this](bool on) {
        if (!on)
            return;
        m_logic.chooseMode(BackupRestore::Mode::Hukugen);
        render();
    });
    v->addWidget(modes);

    v->addSpacing(2);
    v->addWidget(new QLabel(QStringLiteral("バックアップフォルダのアドレス"), page));
    m_chooser = new BackupFolderChooser(page);
    connect(m_chooser, &BackupFolderChooser::folderChanged, this, [this](const QString &path) {
        m_logic.folderChanged(path);
        render();
    });
    v->addWidget(m_chooser, 3);

    v->addSpacing(2);
    v->addWidget(new QLabel(QStringLiteral("バックアップフォルダの作成"), page));
    auto *createRow = new QHBoxLayout;
    m_text1 = EntryBox::create(page, QStringLiteral("Text1"));
    m_command3 = new QPushButton(QStringLiteral("作　成"), page);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_text1->setNext(m_command3);
    createRow->addWidget(m_text1->widget(), 1);
    createRow->addWidget(m_command3);
    connect(m_command3, &QPushButton::clicked, this, &frmbp::createFolder);
    v->addLayout(createRow);

    v->addSpacing(2);
    v->addWidget(new QLabel(QStringLiteral("対象年月"), page));
    m_list = new MonthListWidget(page, [this](int i, bool on) {
        m_logic.click(i, on);
        return on;
    });
    connect(m_list, &MonthListWidget::clickHandled, this, &frmbp::render);
    v->addWidget(m_list, 2);

    auto *copyRow = new QHBoxLayout;
    m_basics = new QCheckBox(QStringLiteral("基本設定と名簿も含める"), page);
    m_basics->setObjectName(QStringLiteral("chkkihon"));
    m_basics->setToolTip(
        QStringLiteral("Kijyun.Dat、Meibo.Dat、Jougen.Dat、ICカードの登録（ICKaado.Dat、"
                       "ICSettei.Dat）と変更履歴（Rireki.Dat）もコピーします"));
    connect(m_basics, &QCheckBox::toggled, this, [this](bool on) { m_logic.setIncludeBasics(on); });
    m_command1 = new QPushButton(QStringLiteral("コピー開始"), page);
    m_command1->setObjectName(QStringLiteral("Command1"));
    connect(m_command1, &QPushButton::clicked, this, &frmbp::copy);
    copyRow->addWidget(m_basics);
    copyRow->addStretch();
    copyRow->addWidget(m_command1);
    v->addLayout(copyRow);

    m_label3 = new QLabel(page);
    m_label3->setObjectName(QStringLiteral("Label3"));
    m_label3->setFrameShape(QFrame::Panel);
    m_label3->setFrameShadow(QFrame::Sunken);
    m_label3->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    m_label3->setTextInteractionFlags(Qt::TextSelectableByMouse);
    v->addWidget(m_label3);
    return page;
}

QFrame *frmbp::buildGuide() {
    return guidepanel::make(
        this,
        {QStringLiteral("◆バックアップ・復元のしかた"),
         QStringLiteral(
             "1. 「処理の選択」で、バックアップをとるか、データを復元するかを選びます。\n"
             "2. バックアップフォルダのアドレスを、ドライブとフォルダで選びます"
             "（年月のフォルダではなく、バックアップフォルダそのものを選びます）。\n"
             "3. 対象年月を選びます（続けてクリックすると複数選べます）。\n"
             "4. 「コピー開始」を押します。"),
         QStringLiteral("◆バックアップフォルダの作成"),
         QStringLiteral("作成する場所をドライブとフォルダで選び、フォルダ名を入力して「作　成」を"
                        "押します。USBメモリなどは、先に差し込んでおいてください。"),
         QStringLiteral("◆確認"),
         QStringLiteral(
             "選んだフォルダのアドレスは画面の一番下に表示されます"
             "（例：/media/usb/タイムカード）。"
             "「基本設定と名簿も含める」を選ぶと、基本設定と従業員の名簿もコピーします。")},
        [this] { showGuide(false); }, {QStringLiteral("閉じる"), QStringLiteral("Command2")});
}

void frmbp::guideShowing(bool shown) {
    // The main frame is a little wider than the screen, and on the newer
    // desktop a little more again while the guide is closed.
    int frame = (shown ? kWideTwips : kNarrowTwips) * 105 / 100;
    if (!shown && m_ctx.services.session.osKind == QLatin1String("Vista"))
        frame += 90;
    setFrameTwips(QSize(frame, 1), QPoint(0, 0));
}

void frmbp::createFolder() {
    const std::optional<QString> made = m_logic.createFolder(m_text1->text());
    if (made) {
        // The logic has run the folder change already; the chooser follows.
        const QSignalBlocker quiet(m_chooser);
        m_chooser->setFolder(*made);
    }
    render();
    m_list->setFocus();
}

void frmbp::copy() {
    m_logic.copy();
    render();
}

void frmbp::render() {
    const BackupRestore &l = m_logic;
    m_text1->widget()->setEnabled(l.folderNameEnabled());
    m_command3->setEnabled(l.createFolderEnabled());
    m_command1->setEnabled(l.copyEnabled());
    m_list->render(l.list());
    const QString address = l.address();
    m_label3->setText(m_label3->fontMetrics().elidedText(address, Qt::ElideMiddle,
                                                         twipsToPixels(kNarrowTwips) - 24));
    m_label3->setToolTip(address);
}
