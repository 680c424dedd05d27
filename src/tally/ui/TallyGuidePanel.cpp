#include "tally/ui/TallyGuidePanel.h"

#include "tally/ui/TallyIcons.h"

#include <QRegularExpression>
#include <QTextEdit>
#include <QUrl>

namespace {

// Where the toolbar's pictures stand in the guide's text.
const QString kPictureGap[] = {QStringLiteral("ボタン　　を押し"),
                               QStringLiteral("■訂正・追加( 　  )"),
                               QStringLiteral("■中断(   　)")};
const int kPictureTool[] = {1, 2, 4};

QString html(const QStringList &lines) {
    QString out;
    bool first = true;
    for (QString line : lines) {
        const bool head = line.startsWith(QStringLiteral("■"));
        line = line.toHtmlEscaped();
        for (int g = 0; g < 3; ++g) {
            QString withPicture = kPictureGap[g];
            withPicture.replace(QRegularExpression(QStringLiteral("[ 　]+")),
                                QStringLiteral("<img src=\"tool:%1\" width=\"18\" height=\"18\" "
                                               "style=\"vertical-align: middle\">")
                                    .arg(kPictureTool[g]));
            line.replace(kPictureGap[g], withPicture);
        }
        if (head) {
            out += QStringLiteral("<p style=\"margin-top:%1px; margin-bottom:2px; color:#10306a;"
                                  " font-weight:bold;\">%2</p>")
                       .arg(first ? 0 : 10)
                       .arg(line);
        } else {
            out += QStringLiteral("<p style=\"margin:0 0 0 10px;\">%1</p>").arg(line);
        }
        first = false;
    }
    return out;
}

} // namespace

QStringList TallyGuidePanel::lines() {
    return {
        QStringLiteral("■集計対象"),
        QStringLiteral("①集計対象の年月をリストから選択します。"),
        QStringLiteral("②対象者リストが表示されますから、集計"),
        QStringLiteral("対象者を選択 (クリック) します。クリック"),
        QStringLiteral("すると選択済みの印(◆)がリストに追加"),
        QStringLiteral("されます。"),
        QStringLiteral("■認定"),
        QStringLiteral("残業等に該当する時間数を、各欄に入力"),
        QStringLiteral("します。1時間未満の端数は60進数で入"),
        QStringLiteral("力してください。 "),
        QStringLiteral("●法定内⇒いわゆる法内残業時間です。"),
        QStringLiteral("法定・法外を区分せずに割増を支払う"),
        QStringLiteral("場合は無視してください。"),
        QStringLiteral("●深夜⇒深夜割増の対象時間です。これ"),
        QStringLiteral("は所定内・所定外を問いません。"),
        QStringLiteral("認定時間の入力が終了しましたら｢確定｣"),
        QStringLiteral("ボタン　　を押し、次の対象者を処理してく"),
        QStringLiteral("ださい。"),
        QStringLiteral("■深夜(勤務時間)"),
        QStringLiteral("タイムカードの集計時間のうち、深夜は勤"),
        QStringLiteral("務時間のうち深夜時間（22時～05時) に該"),
        QStringLiteral("当する時間数です。"),
        QStringLiteral("■訂正・追加( 　  )"),
        QStringLiteral("打刻誤り又は打刻漏れの追加入力をしま"),
        QStringLiteral("す。訂正対象は、出勤・休出・休戻・退勤"),
        QStringLiteral("の４項目です。"),
        QStringLiteral("訂正画面に対象日と訂正内容を入力し、"),
        QStringLiteral("｢訂正・追加｣ボタンを押してください。"),
        QStringLiteral("■中断(   　)"),
        QStringLiteral("集計作業を中断し、プログラムを終了しま"),
        QStringLiteral("す。次回このメニュ－を実行した場合は、"),
        QStringLiteral("同年月のデータが表示されます。"),
        QStringLiteral("■印刷"),
        QStringLiteral("勤務実績表を印刷します。印刷設定画面"),
        QStringLiteral("に、印刷範囲と部数を入力してください。"),
        QStringLiteral("｢指定｣はコード番号を若い順に入力しま"),
        QStringLiteral("す。１名のみ指定する場合は、同じ番号"),
        QStringLiteral("を入力してください。"),
        QStringLiteral("用紙はＡ４普通紙(縦)です。"),
        QStringLiteral("■キー操作"),
        QStringLiteral("Enter⇒次の欄へ進みます。最終日の遅刻"),
        QStringLiteral("早退欄では確定します。"),
        QStringLiteral("Ctrl+Enter⇒確定して、まだ◆の付いてい"),
        QStringLiteral("ない次の対象者を開きます。"),
        QStringLiteral("Ctrl+S⇒確定　F2⇒訂正・追加"),
        QStringLiteral("対象者リストでは↑↓で選び、Enterで開"),
        QStringLiteral("きます。F1⇒使い方"),
    };
}

TallyGuidePanel::TallyGuidePanel(int height, std::function<void()> close, QWidget *parent)
    : ScrolledGuide({kWidth, QColor(0xff, 0xff, 0xee), QFrame::Box, 14, QStringLiteral("Command1"),
                     QStringLiteral("Command2")},
                    height, std::move(close), parent) {
    auto *text = new QTextEdit(viewport());
    text->setObjectName(QStringLiteral("guidetext"));
    text->setReadOnly(true);
    text->setTextInteractionFlags(Qt::NoTextInteraction);
    text->setFocusPolicy(Qt::NoFocus);
    text->setFrameShape(QFrame::NoFrame);
    text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    text->setStyleSheet(QStringLiteral("background: transparent; font-size: 13px;"));
    for (const int tool : kPictureTool)
        text->document()->addResource(QTextDocument::ImageResource,
                                      QUrl(QStringLiteral("tool:%1").arg(tool)),
                                      tallyicons::toolbar(tool).pixmap(18, 18).toImage());
    text->setHtml(html(lines()));
    text->setFixedWidth(viewport()->width());
    text->document()->setTextWidth(viewport()->width());
    text->setFixedHeight(static_cast<int>(text->document()->size().height()) + 8);
    setText(text);
}
