#include "punchclock/ui/RecorderGuide.h"

#include "screen/ui/WorkingScreen.h"

#include <QLabel>
#include <QPushButton>
#include <QScrollBar>

namespace {
constexpr int kTextTopTwips = 430;
constexpr int kScrollTwips = 9000;
} // namespace

QString RecorderGuide::guideText() {
    return QStringLiteral(
        "<p style='font-size:6px'>&nbsp;</p>"
        "<h3>■出退勤等の記録</h3>"
        "<p>① 左のカード差しから自分の名前をクリックすると、タイムカードがセットされます。</p>"
        "<p>② 「出勤」「休憩」「戻り」「退勤」のボタンを押すと、その時の時刻が"
        "<font color='#008080'>緑色</font>で表示されます。時刻はボタンを押した時のものです。</p>"
        "<p>③ 「カードを押す」で時刻が<font color='#000080'>青色</font>に変わり、打刻されます。</p>"
        "<p>④ 最後に必ず「カードを戻す」を押してください。カードを戻すと記録が保存されます。"
        "戻さずに画面を閉じると、その打刻は残りません。</p>"
        "<h3>■誤って打刻した場合</h3>"
        "<p>緑色の時刻は、もう一度同じボタンを押すか、別のボタンを押すと取り消せます。"
        "青色になった時刻はこの画面では変更できません。勤務実績表を作成する時に訂正してください。</"
        "p>"
        "<h3>■カードを１ケ月分表示する</h3>"
        "<p>"
        "ツールバーの左端のボタンを押し、カード差し（黄色に変わります）から名前をクリックすると、"
        "そのカードの１ケ月分が表示されます。右のスクロールバーで下の日を表示します。"
        "「閉 じ る」で元に戻ります。選ぶのをやめる時は「キャンセル」を押します。</p>"
        "<h3>■カードを削除する</h3>"
        "<p>退職した人などのカードは、２番目のボタンを押し、カード差し（灰色に変わります）から"
        "名前をクリックして削除します。確認の後、そのカードは今月分から削除されます。</p>"
        "<h3>■ケルベーンの日付と日付変更</h3>"
        "<p>打刻する日付は、基本設定の「日付の切り替え」の時刻より前は前日になります。"
        "日付はプログラムを起動した時に決まり、開いたまま日付が変わっても変わりません。"
        "夜勤などで日付をまたいだ場合は、カードをセットしてから月日の欄を前日に直し、"
        "退勤を打刻してください（月日は「訂正可能です」）。</p>"
        "<h3>■追加の打刻</h3>"
        "<p>打刻を忘れた日の時刻は、３番目のボタンから追加できます。月を選び、従業員を選んで、"
        "月・日・時・分を入力し、種類を選んで「追加する」を押します。既に打刻されている種類は"
        "追加できません。暗証番号が登録されている場合は、暗証番号の入力が必要です。"
        "カードをセットしたままでは開けません。先にカードを戻してください。</p>"
        "<h3>■ICカードで打刻する</h3>"
        "<p>基本設定で「ICカードで打刻する」にすると、登録したICカードをリーダーにタッチして"
        "打刻できます。① タッチするとカードがセットされ、その日に合った種類（出勤・戻り・退勤）"
        "の時刻が緑色で表示されます。② もう一度タッチすると記録され、カードが戻ります。"
        "種類を変える時は、２回目のタッチの前に 1（出勤）2（休憩）3（戻り）4（退勤）のキーを"
        "押します。タッチしたまま15秒たつと、表示された時刻を記録してカードが戻ります。"
        "カードの登録は「従業員の登録」の［ICカード］で行います。</p>");
}

RecorderGuide::RecorderGuide(int height, QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture3"));
    setFixedSize(kWidth, height);
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xfa, 0xfa, 0xfa));
    setPalette(pal);

    auto *title = new QLabel(QStringLiteral("操作ガイド"), this);
    title->setGeometry(10, 4, 160, 20);
    title->setStyleSheet(QStringLiteral("font-size: 13px; font-weight: bold;"));
    m_closeTop = new QPushButton(QStringLiteral("閉じる"), this);
    m_closeTop->setObjectName(QStringLiteral("Command4"));
    m_closeTop->setGeometry(kWidth - 84, 2, 76, 24);

    auto *viewport = new QWidget(this);
    const int textTop = WorkingScreen::twipsToPixels(kTextTopTwips);
    viewport->setGeometry(6, textTop, kWidth - 30, height - textTop - 44);
    m_text = new QLabel(guideText(), viewport);
    m_text->setObjectName(QStringLiteral("guidetext"));
    m_text->setWordWrap(true);
    m_text->setTextFormat(Qt::RichText);
    m_text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_text->setStyleSheet(QStringLiteral("font-size: 13px;"));
    m_text->setFixedWidth(viewport->width());
    m_text->adjustSize();
    m_text->move(0, 0);

    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll2"));
    m_scroll->setGeometry(kWidth - 22, textTop, 16, viewport->height());
    m_scroll->setRange(0, kScrollTwips);
    m_scroll->setSingleStep(900);
    m_scroll->setPageStep(1800);
    m_scroll->setValue(0);
    // The text panel's top edge sits at 430 - value twips.
    connect(m_scroll, &QScrollBar::valueChanged, this, [this, textTop](int v) {
        m_text->move(0, WorkingScreen::twipsToPixels(kTextTopTwips - v) - textTop);
    });

    m_closeBottom = new QPushButton(QStringLiteral("閉じる"), this);
    m_closeBottom->setObjectName(QStringLiteral("Command5"));
    m_closeBottom->setGeometry(kWidth - 96, height - 38, 88, 30);
}
