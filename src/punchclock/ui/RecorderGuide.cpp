#include "punchclock/ui/RecorderGuide.h"

#include <QLabel>
#include <QScrollBar>

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

RecorderGuide::RecorderGuide(int height, std::function<void()> close, QWidget *parent)
    : ScrolledGuide({kWidth, QColor(0xfa, 0xfa, 0xfa), QFrame::StyledPanel, 13,
                     QStringLiteral("Command4"), QStringLiteral("Command5")},
                    height, std::move(close), parent) {
    auto *text = new QLabel(guideText(), viewport());
    text->setObjectName(QStringLiteral("guidetext"));
    text->setWordWrap(true);
    text->setTextFormat(Qt::RichText);
    text->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    text->setStyleSheet(QStringLiteral("font-size: 13px;"));
    text->setFixedWidth(viewport()->width());
    text->adjustSize();
    setText(text);
    // The punch clock's guide scrolls by fixed steps, whatever its text's length.
    scrollBar()->setRange(0, 9000);
    scrollBar()->setSingleStep(900);
    scrollBar()->setPageStep(1800);
}
