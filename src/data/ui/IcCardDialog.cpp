#include "data/ui/IcCardDialog.h"

#include "platform/CardReader.h"
#include "screen/ui/WedgeFilter.h"

#include <QApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString resultStyle(CardRegistration::Outcome o) {
    using O = CardRegistration::Outcome;
    switch (o) {
    case O::Tied:
    case O::Moved:
    case O::Removed:
        return QStringLiteral("color: #1f6b2a; background: #e6f6e6; border: 1px solid #8cc795;");
    case O::Refused:
        return QStringLiteral("color: #a52a1a; background: #fdecea; border: 1px solid #e5a39a;");
    case O::AlreadyTied:
    case O::NotMoved:
        return QStringLiteral("color: #1d4f8a; background: #e8f1fb; border: 1px solid #9dbde0;");
    case O::None:
        break;
    }
    return QStringLiteral("border: 1px solid transparent;");
}

} // namespace

IcCardDialog::IcCardDialog(Services &s, const Roster &roster, const QString &code, QWidget *parent)
    : QDialog(parent), m_s(s), m_logic(s) {
    setObjectName(QStringLiteral("frmickaado"));
    setWindowTitle(QStringLiteral(" ICカードの登録"));
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(14, 12, 14, 12);
    outer->setSpacing(8);
    auto *guide = new QLabel(QStringLiteral("① 左の一覧で従業員を選び、② カードをリーダーに"
                                            "タッチしてください。"),
                             this);
    guide->setStyleSheet(QStringLiteral("font-size: 14px; font-weight: bold;"));
    outer->addWidget(guide);

    auto *lists = new QHBoxLayout;
    auto *left = new QGroupBox(QStringLiteral("従業員"), this);
    auto *lv = new QVBoxLayout(left);
    // Codes and names in columns, as in the rack.
    QFont fixed(QStringLiteral("IPAGothic"));
    fixed.setPixelSize(15);
    m_people = new QListWidget(left);
    m_people->setObjectName(QStringLiteral("List1"));
    m_people->setFont(fixed);
    m_people->setMinimumSize(260, 260);
    lv->addWidget(m_people);
    lists->addWidget(left, 3);

    auto *right = new QGroupBox(QStringLiteral("登録されているカード"), this);
    auto *rv = new QVBoxLayout(right);
    m_cards = new QListWidget(right);
    m_cards->setObjectName(QStringLiteral("List2"));
    m_cards->setMinimumWidth(200);
    m_cards->setFont(fixed);
    rv->addWidget(m_cards);
    m_remove = new QPushButton(QStringLiteral("登録を解除"), right);
    m_remove->setObjectName(QStringLiteral("cmdkaijo"));
    m_remove->setAutoDefault(false);
    rv->addWidget(m_remove);
    lists->addWidget(right, 2);
    outer->addLayout(lists);

    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("lblkekka"));
    m_result->setWordWrap(true);
    m_result->setMinimumHeight(44);
    m_result->setAlignment(Qt::AlignCenter);
    outer->addWidget(m_result);

    m_reader = new QLabel(this);
    m_reader->setObjectName(QStringLiteral("lblreader"));
    m_reader->setWordWrap(true);
    outer->addWidget(m_reader);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    auto *close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("Command1"));
    close->setAutoDefault(false);
    bottom->addWidget(close);
    outer->addLayout(bottom);

    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_people, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_rendering)
            act([&] { m_logic.select(row); });
    });
    connect(m_cards, &QListWidget::currentRowChanged, this, [this](int row) {
        if (!m_rendering)
            act([&] { m_logic.selectCard(row); });
    });
    connect(m_remove, &QPushButton::clicked, this, [this] { act([&] { m_logic.removeCard(); }); });

    m_wedge = new WedgeFilter(this);
    m_wedge->setListening([this] { return isActiveWindow(); });
    connect(m_wedge, &WedgeFilter::cardTyped, this,
            [this](const QString &id) { act([&] { m_logic.touched(id); }); });
    // A person's digits still find an employee by code; a reader's never move
    // the choice.
    connect(m_wedge, &WedgeFilter::personKey, this, [this](QChar c) {
        if (m_people->hasFocus())
            m_people->keyboardSearch(QString(c));
    });

    m_opened = m_logic.open(roster, code);
    if (CardReader *reader = s.cardReader) {
        connect(reader, &CardReader::touched, this, [this](const QString &id) {
            // A question in front is answered first.
            QWidget *modal = QApplication::activeModalWidget();
            if (!modal || modal == this)
                act([&] { m_logic.touched(id); });
        });
        connect(reader, &CardReader::readersChanged, this,
                [this](const QStringList &names) { act([&] { m_logic.readersChanged(names); }); });
        reader->start();
        m_logic.readersChanged(reader->readers());
    }
    render();
    resize(600, 440);
}

void IcCardDialog::act(const std::function<void()> &f) {
    if (m_s.programEnd.ended())
        return;
    f();
    render();
}

void IcCardDialog::render() {
    m_rendering = true;
    const QList<CardRegistration::Person> &people = m_logic.people();
    if (m_people->count() != people.size()) {
        m_people->clear();
        for (int i = 0; i < people.size(); ++i)
            m_people->addItem(QString());
    }
    for (int i = 0; i < people.size(); ++i) {
        const int n = m_logic.cardCount(people[i].code);
        m_people->item(i)->setText(people[i].code.leftJustified(5, QLatin1Char(' ')) +
                                   people[i].name +
                                   (n > 0 ? QStringLiteral("　（%1枚）").arg(n) : QString()));
    }
    m_people->setCurrentRow(m_logic.selected());
    m_cards->clear();
    m_cards->addItems(m_logic.cards());
    m_cards->setCurrentRow(m_logic.selectedCard());
    m_remove->setEnabled(m_logic.selectedCard() >= 0 && !m_logic.readOnly());
    m_result->setText(m_logic.message());
    m_result->setStyleSheet(resultStyle(m_logic.outcome()) +
                            QStringLiteral(" border-radius: 4px; font-size: 14px; padding: 4px;"));
    const ReaderStatus &readers = m_logic.readers();
    m_reader->setText(readers.present() || readers.lost()
                          ? readers.text()
                          : QStringLiteral("ICカードリーダーが見つかりません。キーボードのように"
                                           "入力するリーダーは、そのまま使えます。"));
    m_reader->setStyleSheet(readers.lost() ? QStringLiteral("color: #b01c10; font-weight: bold;")
                                           : QStringLiteral("color: #4a6a4a;"));
    m_rendering = false;
}
