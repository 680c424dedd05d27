#include "maintenance/ui/frmseiri.h"

#include "maintenance/ui/MonthListWidget.h"
#include "screen/ui/GuidePanel.h"
#include "screen/ui/ScreenToolbar.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

constexpr int kNarrowTwips = 2160;
constexpr int kWideTwips = 6150;
constexpr int kHeightTwips = 4500;

} // namespace

frmseiri::frmseiri(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services) {
    setObjectName(QStringLiteral("frmseiri"));
    setWindowTitle(QStringLiteral(" タイムカードの整理"));

    auto *left = new QWidget(this);
    left->setFixedWidth(twipsToPixels(kNarrowTwips));
    auto *v = new QVBoxLayout(left);
    v->setContentsMargins(6, 2, 6, 6);
    v->setSpacing(4);
    v->addWidget(new QLabel(QStringLiteral("保存されている年月"), left));
    m_list = new MonthListWidget(left, [this](int i, bool on) { return m_logic.click(i, on); });
    v->addWidget(m_list, 1);
    m_command1 = new QPushButton(QStringLiteral("削　除"), left);
    m_command1->setObjectName(QStringLiteral("Command1"));
    connect(m_command1, &QPushButton::clicked, this, [this] {
        if (m_logic.deleteSelected()) {
            closeScreen();
            return;
        }
        m_list->render(m_logic.list());
    });
    v->addWidget(m_command1);
    // What deletions and restores kept, and the way to let it go.
    m_lbltaihi = new QLabel(left);
    m_lbltaihi->setObjectName(QStringLiteral("lbltaihi"));
    m_lbltaihi->setWordWrap(true);
    v->addWidget(m_lbltaihi);
    m_cmdtaihi = new QPushButton(QStringLiteral("控えを空にする"), left);
    m_cmdtaihi->setObjectName(QStringLiteral("cmdtaihi"));
    connect(m_cmdtaihi, &QPushButton::clicked, this, [this] {
        m_logic.emptySafety();
        renderSafety();
    });
    v->addWidget(m_cmdtaihi);

    QFrame *guide = buildGuide();
    auto *body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    body->addWidget(left);
    body->addWidget(guide, 1);
    m_toolbar = screentoolbar::layOut(this, body, {Qt::ToolButtonIconOnly, QSize(24, 24)});
    setGuide(guide, {kNarrowTwips, kHeightTwips}, {kWideTwips, kHeightTwips});
    showGuide(false);
    open();
}

bool frmseiri::load() {
    if (!m_logic.open())
        return false;
    m_list->render(m_logic.list());
    renderSafety();
    return true;
}

void frmseiri::renderSafety() {
    m_lbltaihi->setText(m_logic.safetyText());
    m_cmdtaihi->setEnabled(!m_logic.safety().link && m_logic.safety().keepings > 0);
}

QFrame *frmseiri::buildGuide() {
    return guidepanel::make(this,
                            {QStringLiteral("保存されているタイムカードの年月が一覧"
                                            "表示されますから、保存不要の年月を選択"
                                            "(クリック) し、下の削除ボタンを押してくださ"
                                            "い。"
                                            "複数の年月を選択する場合は、続けてクリ"
                                            "ックします。"
                                            "外部にデータ保存されていなければ、デー"
                                            "タの復旧はできませんからご注意ください。"),
                             QStringLiteral("削除したタイムカードは、データフォルダの"
                                            "「Taihi」に日時ごとの控えとして残ります。"
                                            "控えのフォルダをバックアップフォルダとし"
                                            "て選べば、復元できます。控えが不要になっ"
                                            "たら「控えを空にする」で削除してください。")},
                            [this] { showGuide(false); },
                            {QStringLiteral("閉じる"), QStringLiteral("Command2")});
}
