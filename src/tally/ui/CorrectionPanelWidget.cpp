#include "tally/ui/CorrectionPanelWidget.h"

#include "screen/ui/EntryBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

CorrectionPanelWidget::CorrectionPanelWidget(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture4"));
    setFixedSize(kWidth, kHeight);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xf2, 0xf6, 0xe8));
    pal.setColor(QPalette::WindowText, QColor(0x40, 0x50, 0x30));
    setPalette(pal);

    auto *title = new QLabel(QStringLiteral("◆訂正（取消し）又は追加処理"), this);
    title->setGeometry(10, 6, kWidth - 20, 22);
    title->setStyleSheet(QStringLiteral("font-size: 14px; font-weight: bold; color: #203010;"));

    QFont numbers(QStringLiteral("IPAGothic"));
    numbers.setPixelSize(15);
    constexpr int kBoxWidth = 52;
    constexpr int kGap = 5;
    for (int i = 0; i < CorrectionPanel::kBoxes; ++i) {
        const int x = 10 + i * (kBoxWidth + kGap);
        auto *label = new QLabel(CorrectionPanel::label(i), this);
        label->setGeometry(x, 34, kBoxWidth, 18);
        label->setAlignment(Qt::AlignCenter);
        label->setStyleSheet(QStringLiteral("font-size: 12px; color: #101010;"));
        auto *b = new QLineEdit(this);
        b->setObjectName(QStringLiteral("texnintei_%1").arg(CorrectionPanel::kFirstBox + i));
        b->setGeometry(x, 54, kBoxWidth, 28);
        b->setAlignment(Qt::AlignCenter);
        b->setMaxLength(i == 0 ? 2 : 5);
        b->setFont(numbers);
        m_boxes[static_cast<size_t>(i)] = b;
    }
    auto *hint = new QLabel(QStringLiteral("打刻されている時刻を削除したい場合は\n"
                                           "該当項目欄に｢999｣を入力してください。"),
                            this);
    hint->setGeometry(10, 92, kWidth - 20, 40);
    hint->setStyleSheet(QStringLiteral("font-size: 12px; color: #a03000;"));

    // Why the punches are changed: kept in the change history with them.
    auto *reasonLabel = new QLabel(QStringLiteral("理由"), this);
    reasonLabel->setGeometry(10, 140, 34, 24);
    reasonLabel->setStyleSheet(QStringLiteral("font-size: 14px; color: #101010;"));
    m_reason = EntryBox::create(this, QStringLiteral("texriyuu"), KeyFilter::None,
                                CorrectionPanel::kReasonMaxLength);
    m_reason->lineEdit()->setGeometry(46, 136, kWidth - 56, 30);
    m_reason->lineEdit()->setPlaceholderText(QStringLiteral("（任意）打刻忘れ など"));

    m_execute = new QPushButton(QStringLiteral("訂正・追加"), this);
    m_execute->setObjectName(QStringLiteral("Command3"));
    m_execute->setGeometry(kWidth - 218, kHeight - 44, 104, 34);
    m_reason->setExitTarget(m_execute);
    m_close = new QPushButton(QStringLiteral("閉　じ　る"), this);
    m_close->setObjectName(QStringLiteral("Command4"));
    m_close->setGeometry(kWidth - 108, kHeight - 44, 96, 34);
}

void CorrectionPanelWidget::render(const CorrectionPanel &panel, int boxInUse) {
    for (int i = 0; i < CorrectionPanel::kBoxes; ++i)
        if (CorrectionPanel::kFirstBox + i != boxInUse)
            m_boxes[static_cast<size_t>(i)]->setText(panel.text(i));
    if (m_reason->text() != panel.reason())
        m_reason->setText(panel.reason());
}
