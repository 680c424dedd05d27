#include "access/ui/frmpw.h"

#include "access/ui/PinBox.h"
#include "screen/ui/EntryBox.h"
#include "screen/ui/GuidePanel.h"
#include "screen/ui/ScreenToolbar.h"

#include <QAction>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolBar>

namespace {
// The two sizes of the window, in twips: without and with the guide panel.
constexpr int kSmallWidth = 3885;
// Taller than the screen once was: each new PIN is typed twice.
constexpr int kSmallHeight = 4050;
constexpr int kWideWidth = 7890;
constexpr int kWideHeight = 4185;
// The main frame around it: its own outer size, the window at 300 from its left.
constexpr int kFrameWidth = 8679;
constexpr int kFrameHeightThemed = 5351;  // 5351.25
constexpr int kFrameHeightClassic = 5231; // 5231.25
constexpr int kLeft = 300;

constexpr int kToolbarHeight = 30;
constexpr int kLabelX = 12;
constexpr int kEditX = 84;
constexpr int kEditWidth = 76;
constexpr int kButtonX = 170;
constexpr int kRowHeight = 24;
constexpr int kRowStep = 32;

QLabel *label(const QString &text, QWidget *parent, int x, int y) {
    auto *l = new QLabel(text, parent);
    l->setGeometry(x, y, kEditX - x - 4, kRowHeight);
    return l;
}
} // namespace

frmpw::frmpw(ScreenContext &ctx, QWidget *parent)
    : WorkingScreen(ctx, parent), m_logic(ctx.services) {
    setObjectName(QStringLiteral("frmpw"));
    setWindowTitle(QStringLiteral(" 管理者暗証番号"));

    m_toolbar = screentoolbar::closeAndGuide(this, {Qt::ToolButtonIconOnly, QSize(24, 24)});
    m_toolbar->setGeometry(0, 0, WorkingScreen::twipsToPixels(kWideWidth), kToolbarHeight);

    buildNewSection();
    buildChangeSection();
    buildGuide();

    m_newBox->setEnabled(m_logic.newSectionEnabled());
    m_changeBox->setEnabled(m_logic.changeSectionEnabled());
    setFocusProxy((m_logic.newSectionEnabled() ? m_texin[0] : m_texin[1])->widget());
    setFrameTwips(QSize(kFrameWidth, ctx.services.session.classicStyle() ? kFrameHeightClassic
                                                                         : kFrameHeightThemed),
                  QPoint(kLeft, 0));
    showGuide(false);
    open();
}

void frmpw::buildNewSection() {
    m_newBox = new QGroupBox(QStringLiteral("新規登録"), this);
    m_newBox->setGeometry(8, kToolbarHeight + 4, 243, 24 + 2 * kRowStep);
    label(QStringLiteral("暗証番号"), m_newBox, kLabelX, 24);
    label(QStringLiteral("もう一度"), m_newBox, kLabelX, 24 + kRowStep);
    // texin_3 (our own): the same PIN again.
    for (const int i : {0, 3}) {
        m_texin[i] = makePinBox(m_newBox, QStringLiteral("texin_%1").arg(i));
        m_texin[i]->widget()->setGeometry(kEditX, i == 0 ? 24 : 24 + kRowStep, kEditWidth,
                                          kRowHeight);
    }
    m_register = new QPushButton(QStringLiteral("登　録"), m_newBox);
    m_register->setObjectName(QStringLiteral("cmdsousa_2"));
    m_register->setGeometry(kButtonX, 23 + kRowStep, 62, kRowHeight + 2);
    connect(m_register, &QPushButton::clicked, this, [this] {
        if (!m_logic.registerPin(m_texin[0]->text(), m_texin[3]->text()))
            emptyBoxes({0, 3});
    });
}

void frmpw::buildChangeSection() {
    m_changeBox = new QGroupBox(QStringLiteral("変更登録"), this);
    m_changeBox->setGeometry(8, kToolbarHeight + 32 + 2 * kRowStep, 243, 24 + 3 * kRowStep);
    const QString captions[] = {QStringLiteral("現在の番号"), QStringLiteral("新しい番号"),
                                QStringLiteral("もう一度")};
    // texin_4 (our own): the new PIN again.
    const int boxes[] = {1, 2, 4};
    for (int row = 0; row < 3; ++row) {
        const int y = 24 + row * kRowStep;
        label(captions[row], m_changeBox, kLabelX, y);
        const int i = boxes[row];
        m_texin[i] = makePinBox(m_changeBox, QStringLiteral("texin_%1").arg(i));
        m_texin[i]->widget()->setGeometry(kEditX, y, kEditWidth, kRowHeight);
    }
    m_change = new QPushButton(QStringLiteral("変　更"), m_changeBox);
    m_change->setObjectName(QStringLiteral("cmdsousa_3"));
    m_change->setGeometry(kButtonX, 23 + 2 * kRowStep, 62, kRowHeight + 2);
    connect(m_change, &QPushButton::clicked, this, [this] {
        if (!m_logic.changePin(m_texin[1]->text(), m_texin[2]->text(), m_texin[4]->text()))
            emptyBoxes({1, 2, 4});
    });
}

void frmpw::emptyBoxes(std::initializer_list<int> boxes) {
    // Masked digits cannot be checked: after a refusal they are typed anew.
    for (const int i : boxes)
        m_texin[i]->setText(QString());
    m_texin[*boxes.begin()]->widget()->setFocus(Qt::OtherFocusReason);
}

void frmpw::buildGuide() {
    QFrame *guide = guidepanel::make(
        this,
        {QStringLiteral("管理者暗証番号を登録すると、次の機能は暗証番号を入力しないと使えません。\n"
                        "　●タイムカードの追加打刻\n"
                        "　●勤務実績表の作成\n"
                        "　●タイムカードの整理（削除）\n\n"
                        "暗証番号を６桁の数字で２回入力し、「登録」ボタンを押してください。\n"
                        "変更は、現在の番号と新しい番号（２回）を入力し、「変更」ボタンを押し"
                        "ます。\n\n"
                        "一度登録すると元の状態（暗証番号不要）には戻せません。")},
        [this] { showGuide(false); }, {QStringLiteral("閉 じ る")});
    guide->setObjectName(QStringLiteral("guidePanel"));
    guide->setGeometry(262, kToolbarHeight + 4, 256, 238);
    setGuide(guide, {kSmallWidth, kSmallHeight}, {kWideWidth, kWideHeight});
}
