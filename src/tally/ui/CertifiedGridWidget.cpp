#include "tally/ui/CertifiedGridWidget.h"

#include "screen/ui/Sheets.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScrollBar>

namespace {

// Column edges: day, weekday, four punches, working time, late night, then
// the five certified columns.
constexpr std::array<int, 14> kEdges{0,   28,  50,  100, 150, 200, 250,
                                     318, 376, 442, 502, 562, 622, 682};
constexpr int kFirstBoxColumn = 8;
constexpr int kHeadTop = 2;
constexpr int kHeadRow = 20;
constexpr int kGridTop = kHeadTop + 3 * kHeadRow;
constexpr int kLine = 23;
constexpr int kGridBottom = kGridTop + CertifiedGrid::kRows * kLine;
constexpr int kTotalsHeight = 28;
constexpr int kTotalsBottom = kGridBottom + kTotalsHeight;

const QColor kRule(0x9c, 0x9c, 0x88);
const QColor kHeadFill(0xe6, 0xe9, 0xd8);
const QColor kSaturday(0xe4, 0xee, 0xff);
const QColor kSunday(0xff, 0xe6, 0xe6);
const QColor kMissing(0xdc, 0xdc, 0xdc);
const QColor kTotalsFill(0xfa, 0xf0, 0xd0);
const QColor kMarkFill(0xff, 0xc4, 0xc4);
const QColor kMarkRule(0xd0, 0x00, 0x00);

void retext(QLabel *l, const QString &text) {
    if (l->text() != text)
        l->setText(text);
}

int edge(int column) {
    return kEdges[static_cast<size_t>(column)];
}
int span(int first, int last) {
    return edge(last + 1) - edge(first);
}

QLabel *heading(QWidget *parent, const QString &text, int first, int last, int row, int rows) {
    auto *l = new QLabel(text, parent);
    l->setGeometry(edge(first), kHeadTop + row * kHeadRow, span(first, last), rows * kHeadRow);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("font-size: 12px; color: #303020;"));
    return l;
}

} // namespace

CertifiedGridWidget::CertifiedGridWidget(QWidget *parent) : QFrame(parent) {
    setObjectName(QStringLiteral("cardarea"));
    setFixedSize(kWidth, kHeight);
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0xff, 0xff, 0xfa));
    setPalette(pal);
    buildHeadings();
    buildLines();
    buildTotals();
}

void CertifiedGridWidget::buildHeadings() {
    heading(this, QStringLiteral("日(曜)"), 0, 1, 0, 3);
    const QString punchHeads[] = {QStringLiteral("出勤"),     QStringLiteral("休出"),
                                  QStringLiteral("休戻"),     QStringLiteral("退勤"),
                                  QStringLiteral("勤務時間"), QStringLiteral("深 夜")};
    for (int j = 0; j < 6; ++j)
        heading(this, punchHeads[j], 2 + j, 2 + j, 0, 3);
    const int c = kFirstBoxColumn;
    heading(this, QStringLiteral("認　　　　　　　　　定"), c, c + 4, 0, 1)
        ->setStyleSheet(QStringLiteral("font-size: 12px; font-weight: bold; color: #203060;"));
    heading(this, QStringLiteral("所 定 時 間 外"), c, c + 1, 1, 1);
    heading(this, QStringLiteral("法定内"), c, c, 2, 1);
    heading(this, QStringLiteral("法定外"), c + 1, c + 1, 2, 1);
    heading(this, QStringLiteral("休 日"), c + 2, c + 2, 1, 2);
    heading(this, QStringLiteral("深 夜"), c + 3, c + 3, 1, 2);
    heading(this, QStringLiteral("遅 刻\n早 退"), c + 4, c + 4, 1, 2);
}

void CertifiedGridWidget::buildLines() {
    QFont numbers(QStringLiteral("IPAGothic"));
    numbers.setPixelSize(14);
    for (int r = 0; r < CertifiedGrid::kRows; ++r) {
        const int y = kGridTop + r * kLine;
        for (int j = 0; j < CertifiedGrid::kLabels; ++j) {
            auto *l = new QLabel(this);
            const int i = r * CertifiedGrid::kLabels + j;
            l->setObjectName(QStringLiteral("lblcard_%1").arg(i));
            l->setGeometry(edge(j) + 1, y + 1, span(j, j) - 3, kLine - 2);
            l->setAlignment(j == 0 ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignCenter);
            l->setFont(numbers);
            m_labels[static_cast<size_t>(i)] = l;
        }
        for (int k = 0; k < CertifiedGrid::kColumns; ++k) {
            const int i = r * CertifiedGrid::kColumns + k;
            auto *b = new QLineEdit(this);
            b->setObjectName(QStringLiteral("texnintei_%1").arg(i));
            const int col = kFirstBoxColumn + k;
            b->setGeometry(edge(col) + 2, y + 1, span(col, col) - 4, kLine - 2);
            b->setAlignment(Qt::AlignCenter);
            b->setMaxLength(8);
            b->setFont(numbers);
            b->setFrame(false);
            m_boxes[static_cast<size_t>(i)] = b;
        }
    }
    m_scroll = new QScrollBar(Qt::Vertical, this);
    m_scroll->setObjectName(QStringLiteral("VScroll1"));
    m_scroll->setGeometry(edge(13) + 6, kGridTop, 16, kGridBottom - kGridTop);
    m_scroll->setRange(0, CertifiedGrid::kMaxFirstDay);
    m_scroll->setPageStep(CertifiedGrid::kRows);
}

void CertifiedGridWidget::buildTotals() {
    auto *title = new QLabel(QStringLiteral("合　　　　計"), this);
    title->setGeometry(edge(0), kGridBottom, span(0, 2), kTotalsHeight);
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 13px;"));
    QFont bold(QStringLiteral("IPAGothic"));
    bold.setPixelSize(14);
    bold.setBold(true);
    const std::array<std::pair<int, int>, 8> spans{
        {{3, 5}, {6, 6}, {7, 7}, {8, 8}, {9, 9}, {10, 10}, {11, 11}, {12, 12}}};
    for (size_t t = 0; t < m_totals.size(); ++t) {
        auto *l = new QLabel(this);
        l->setObjectName(QStringLiteral("lblgoukei_%1").arg(t));
        l->setGeometry(edge(spans[t].first), kGridBottom, span(spans[t].first, spans[t].second),
                       kTotalsHeight);
        l->setAlignment(Qt::AlignCenter);
        l->setFont(bold);
        m_totals[t] = l;
    }
    m_bareNote = new QLabel(this);
    m_bareNote->setObjectName(QStringLiteral("lblnocolon"));
    m_bareNote->setGeometry(edge(0) + 4, kTotalsBottom + 2, kWidth - 8, 18);
    m_bareNote->setStyleSheet(QStringLiteral("color: #b00000; font-size: 12px;"));

    auto *hint = new QLabel(this);
    hint->setObjectName(QStringLiteral("lblhint"));
    hint->setGeometry(edge(0) + 4, kTotalsBottom + 22, kWidth - 8, 58);
    hint->setStyleSheet(QStringLiteral("font-size: 12px; color: #404040;"));
    hint->setText(QStringLiteral("「：」の代わりに「.」を入力すると、「：」に変換されます。"
                                 "　1時間 ⇒ 1：00 、2時間45分 ⇒ 2：45\n"
                                 "先頭に「-」を付けた時間は、その欄の合計から差し引かれます"
                                 "（-0:30 ⇒ 30分を減算）。\n"
                                 "Enter：次の欄へ　　Ctrl+Enter：確定して次の人へ　　"
                                 "Ctrl+S：確定　　F2：訂正・追加　　F1：使い方"));
}

void CertifiedGridWidget::render(const CertifiedGrid &grid, int boxInUse, bool cardOpen) {
    for (int r = 0; r < CertifiedGrid::kRows; ++r) {
        const CertifiedGrid::Line line = grid.line(r);
        m_kinds[static_cast<size_t>(r)] = line.kind;
        m_exists[static_cast<size_t>(r)] = line.exists || !cardOpen;
        const dayanomaly::Day mark = m_marks[static_cast<size_t>(line.row)];
        m_shownMarks[static_cast<size_t>(r)] = mark;
        const QString tip = dayanomaly::describe(mark).join(QLatin1Char('\n'));
        for (int j = 0; j < CertifiedGrid::kLabels; ++j) {
            QLabel *l = m_labels[static_cast<size_t>(r * CertifiedGrid::kLabels + j)];
            // The sheets are made once: a card opened draws some 200 labels.
            static const QString plain = QStringLiteral("color: #101010;");
            static const QString calendar = QStringLiteral("color: #8a8a8a;");
            static const QString sunday = QStringLiteral("color: #c00000;");
            static const QString saturday = QStringLiteral("color: #0040c0;");
            static const QString times = QStringLiteral("color: #003870;");
            static const QString markedDay = QStringLiteral("color: #c00000; font-weight: bold;");
            QString text = line.labels[static_cast<size_t>(j)];
            const QString *sheet = &plain;
            if (j == CardField::Weekday && text.isEmpty() && !line.weekdayOfDate.isEmpty()) {
                text = line.weekdayOfDate; // from the calendar: not punched that day
                sheet = &calendar;
            } else if (j == CardField::Weekday && line.kind == CertifiedGrid::DayKind::Sunday) {
                sheet = &sunday;
            } else if (j == CardField::Weekday && line.kind == CertifiedGrid::DayKind::Saturday) {
                sheet = &saturday;
            } else if (j >= CardField::Work) {
                sheet = &times;
            }
            if (j == CardField::Day && mark.marked())
                sheet = &markedDay;
            sheets::apply(l, *sheet);
            retext(l, text);
            if (l->toolTip() != tip)
                l->setToolTip(tip);
        }
        for (int k = 0; k < CertifiedGrid::kColumns; ++k) {
            const int i = r * CertifiedGrid::kColumns + k;
            QLineEdit *b = m_boxes[static_cast<size_t>(i)];
            if (i != boxInUse && b->text() != line.certified[static_cast<size_t>(k)])
                b->setText(line.certified[static_cast<size_t>(k)]);
            const bool missing = cardOpen && !line.exists;
            b->setReadOnly(missing);
            static const QString missingBox =
                QStringLiteral("QLineEdit { background: #d4d4d4; color: #909090; }");
            static const QString bareBox =
                QStringLiteral("QLineEdit { background: #fff0a0; color: #b00000; }");
            static const QString box =
                QStringLiteral("QLineEdit { background: white; color: #101010; }");
            sheets::apply(b, missing ? missingBox
                             : line.bare[static_cast<size_t>(k)] ||
                                     line.doubtful[static_cast<size_t>(k)]
                                 ? bareBox
                                 : box);
        }
    }
    const QSignalBlocker block(m_scroll);
    m_scroll->setValue(grid.firstShownDay());

    const CertifiedGrid::Totals t = grid.totals();
    retext(m_totals[0], cardOpen ? QStringLiteral("（出勤日数　%1　日）").arg(t.daysWorked)
                                 : QStringLiteral("（出勤日数　　　日）"));
    retext(m_totals[1], t.work);
    retext(m_totals[2], t.lateNight);
    for (int k = 0; k < CertifiedGrid::kColumns; ++k) {
        QLabel *total = m_totals[static_cast<size_t>(3 + k)];
        retext(total, t.certified[static_cast<size_t>(k)]);
        sheets::apply(total, t.doubtful[static_cast<size_t>(k)]
                                 ? QStringLiteral("color: #c00000; background: #fff0a0;")
                                 : QString());
    }
    // One line under the totals: the bare number first, then the values no
    // one would pay as they stand; the whole list in its tool tip.
    QStringList notes;
    if (!t.bareNote.isEmpty())
        notes << t.bareNote;
    if (!t.doubtfulNote.isEmpty())
        notes << QStringLiteral("※") + t.doubtfulNote;
    retext(m_bareNote, m_bareNote->fontMetrics().elidedText(notes.join(QStringLiteral("　")),
                                                            Qt::ElideRight, m_bareNote->width()));
    if (m_bareNote->toolTip() != notes.join(QLatin1Char('\n')))
        m_bareNote->setToolTip(notes.join(QLatin1Char('\n')));
    update();
}

void CertifiedGridWidget::paintEvent(QPaintEvent *e) {
    QFrame::paintEvent(e);
    QPainter p(this);
    const int right = edge(13);
    p.fillRect(0, kHeadTop, right, 3 * kHeadRow, kHeadFill);
    for (int r = 0; r < CertifiedGrid::kRows; ++r) {
        const size_t s = static_cast<size_t>(r);
        QColor fill;
        if (!m_exists[s])
            fill = kMissing;
        else if (m_kinds[s] == CertifiedGrid::DayKind::Saturday)
            fill = kSaturday;
        else if (m_kinds[s] == CertifiedGrid::DayKind::Sunday)
            fill = kSunday;
        if (fill.isValid())
            p.fillRect(0, kGridTop + r * kLine, right, kLine, fill);
        if (m_shownMarks[s].marked())
            p.fillRect(0, kGridTop + r * kLine, edge(2), kLine, kMarkFill);
    }
    p.fillRect(0, kGridBottom, right, kTotalsHeight, kTotalsFill);

    p.setPen(QPen(kRule, 1));
    for (int r = 0; r <= CertifiedGrid::kRows; ++r)
        p.drawLine(0, kGridTop + r * kLine, right, kGridTop + r * kLine);
    for (size_t j = 0; j < kEdges.size(); ++j) {
        if (j == 1)
            continue; // day and weekday share one heading
        // Inside the certified block the headings have rows of their own.
        int top = kHeadTop;
        if (j == 9)
            top += 2 * kHeadRow;
        else if (j >= 10 && j <= 12)
            top += kHeadRow;
        // The totals line joins the first three and the next three columns.
        const bool joined = j == 2 || j == 4 || j == 5;
        p.drawLine(static_cast<int>(kEdges[j]), top, static_cast<int>(kEdges[j]),
                   joined ? kGridBottom : kTotalsBottom);
    }
    p.setPen(QPen(kRule, 1, Qt::DotLine));
    p.drawLine(edge(1), kGridTop, edge(1), kGridBottom);
    p.setPen(QPen(kRule, 1));
    p.drawLine(edge(kFirstBoxColumn), kHeadTop + kHeadRow, right, kHeadTop + kHeadRow);
    p.drawLine(edge(kFirstBoxColumn), kHeadTop + 2 * kHeadRow, edge(kFirstBoxColumn + 2),
               kHeadTop + 2 * kHeadRow);
    p.drawRect(0, kHeadTop, right, kTotalsBottom - kHeadTop);
    // The totals line stands apart from the days.
    p.setPen(QPen(QColor(0x50, 0x50, 0x40), 1));
    p.drawLine(0, kGridBottom - 1, right, kGridBottom - 1);
    p.drawLine(0, kGridBottom + 1, right, kGridBottom + 1);
    p.drawLine(edge(kFirstBoxColumn) - 1, kHeadTop, edge(kFirstBoxColumn) - 1, kTotalsBottom);

    // The cells at fault of a marked day.
    p.setPen(QPen(kMarkRule, 2));
    p.setBrush(Qt::NoBrush);
    for (int r = 0; r < CertifiedGrid::kRows; ++r)
        for (int f = CardField::ClockIn; f <= CardField::LateNight; ++f)
            if (m_shownMarks[static_cast<size_t>(r)].hasField(f))
                p.drawRect(edge(f) + 2, kGridTop + r * kLine + 2, span(f, f) - 4, kLine - 4);
}
