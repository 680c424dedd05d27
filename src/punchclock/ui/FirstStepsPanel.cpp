#include "punchclock/ui/FirstStepsPanel.h"

#include "screen/Session.h"
#include "screen/ui/Sheets.h"

#include <QLabel>
#include <QPushButton>

namespace {

QLabel *text(const QString &t, QWidget *parent, const QRect &r, const QString &style) {
    auto *l = new QLabel(t, parent);
    l->setGeometry(r);
    l->setStyleSheet(style);
    l->setWordWrap(true);
    return l;
}

} // namespace

FirstStepsPanel::FirstStepsPanel(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("firstSteps"));
    setFixedSize(kWidth, kHeight);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xff, 0xfd, 0xf4));
    setPalette(pal);
    buildSteps();
    buildMissing();
}

void FirstStepsPanel::buildMissing() {
    m_missingPage = new QWidget(this);
    m_missingPage->setGeometry(0, 0, kWidth, kHeight);
    text(QStringLiteral("タイムカードの準備"), m_missingPage, {12, 8, kWidth - 24, 22},
         QStringLiteral("font-size: 16px; font-weight: bold; color: #804000;"));
    m_missing = text(QString(), m_missingPage, {12, 40, kWidth - 24, 60},
                     QStringLiteral("font-size: 14px; color: #b00000;"));
    m_missing->setObjectName(QStringLiteral("lblmissing"));
    m_missing->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto *b = new QPushButton(QStringLiteral("タイムカードの準備へ"), m_missingPage);
    b->setObjectName(QStringLiteral("cmdmissing"));
    b->setGeometry(12, 108, kWidth - 24, 32);
    sheets::apply(b, QStringLiteral("QPushButton { font-size: 14px; font-weight: bold; "
                                    "border: 2px solid #e0762b; border-radius: 4px; "
                                    "background: #fff0e0; }"));
    connect(b, &QPushButton::clicked, this,
            [this] { Q_EMIT openScreen(QLatin1String(screenword::cardjyunbi)); });
    text(QStringLiteral("メニュー：タイムカード\n　　　　→ タイムカードを準備する\n\n"
                        "準備ができると、左の一覧に\nカードが並びます。"),
         m_missingPage, {12, 150, kWidth - 24, 90},
         QStringLiteral("font-size: 12px; color: #705840;"))
        ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_missingPage->hide();
}

void FirstStepsPanel::buildSteps() {
    m_stepsPage = new QWidget(this);
    m_stepsPage->setGeometry(0, 0, kWidth, kHeight);
    QWidget *page = m_stepsPage;
    text(QStringLiteral("はじめに"), page, {12, 8, kWidth - 24, 22},
         QStringLiteral("font-size: 16px; font-weight: bold; color: #804000;"));
    text(QStringLiteral("タイムカードがまだありません。\n次の順に準備してください。"), page,
         {12, 34, kWidth - 24, 36}, QStringLiteral("font-size: 13px; color: #403020;"));

    struct Step {
        QLatin1String word;
        QString caption;
        QString menu;
    };
    const Step steps[kSteps] = {
        {screenword::keisankijyun, QStringLiteral("① 基本設定"),
         QStringLiteral("給与計算期間・日付の変わる時刻など\n"
                        "メニュー：ファイル → 基本設定")},
        {screenword::meibo, QStringLiteral("② 従業員の登録"),
         QStringLiteral("従業員コード・氏名・給与区分\n"
                        "メニュー：ファイル → 従業員の登録")},
        {screenword::cardjyunbi, QStringLiteral("③ タイムカードの準備"),
         QStringLiteral("今月分のカードを作ります\n"
                        "メニュー：タイムカード\n"
                        "　　　　→ タイムカードを準備する")},
    };
    for (int i = 0; i < kSteps; ++i) {
        const int y = 76 + i * 86;
        auto *b = new QPushButton(steps[i].caption, page);
        b->setObjectName(QStringLiteral("firstStep_") + steps[i].word);
        b->setGeometry(12, y, kWidth - 24, 30);
        const QString word = steps[i].word;
        connect(b, &QPushButton::clicked, this, [this, word] { Q_EMIT openScreen(word); });
        m_buttons[static_cast<size_t>(i)] = b;
        m_captions[static_cast<size_t>(i)] = steps[i].caption;
        text(steps[i].menu, page, {18, y + 34, kWidth - 30, 46},
             QStringLiteral("font-size: 11px; color: #705840;"))
            ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    text(QStringLiteral("準備ができると、左の一覧に\nカードが並びます。"), page,
         {12, kHeight - 44, kWidth - 24, 36}, QStringLiteral("font-size: 13px; color: #403020;"));
}

void FirstStepsPanel::render(const RecorderScreen::FirstSteps &steps) {
    // An office with card months is told which month is missing, not
    // greeted as a newcomer.
    m_stepsPage->setVisible(steps.newInstallation());
    m_missingPage->setVisible(!steps.newInstallation());
    if (!steps.newInstallation()) {
        m_missing->setText(
            (steps.missing.isEmpty() ? QString() : steps.missing + QStringLiteral("の")) +
            QStringLiteral("タイムカードが準備されていません。"));
        return;
    }
    const bool done[kSteps] = {steps.settings, steps.roster, steps.cards};
    bool nextMarked = false;
    for (int i = 0; i < kSteps; ++i) {
        QPushButton *b = m_buttons[static_cast<size_t>(i)];
        const QString caption = m_captions[static_cast<size_t>(i)];
        const bool next = !done[i] && !nextMarked;
        nextMarked = nextMarked || next;
        b->setText(done[i] ? caption + QStringLiteral("　✓ 済") : caption);
        // The step to take now stands out; a step done is quiet.
        sheets::apply(
            b, next ? QStringLiteral("QPushButton { font-size: 14px; font-weight: bold; "
                                     "text-align: left; padding-left: 10px; "
                                     "border: 2px solid #e0762b; border-radius: 4px; "
                                     "background: #fff0e0; }")
                    : QStringLiteral("QPushButton { font-size: 14px; text-align: left; "
                                     "padding-left: 10px; color: %1; }")
                          .arg(done[i] ? QStringLiteral("#407040") : QStringLiteral("#403020")));
    }
}
