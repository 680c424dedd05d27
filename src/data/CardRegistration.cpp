#include "data/CardRegistration.h"

#include "data/FileFailure.h"

bool CardRegistration::open(const Roster &roster, const QString &code) {
    m_people.clear();
    m_selected = -1;
    for (const Employee &e : roster.slots) {
        if (!e.inUse())
            continue;
        if (e.code.trimmed() == code.trimmed() && m_selected < 0)
            m_selected = int(m_people.size());
        m_people.append({e.code.trimmed(), e.name});
    }
    if (m_selected < 0 && !m_people.isEmpty())
        m_selected = 0;
    m_selectedCard = -1;
    const cardties::Load load = cardties::read(m_s.fs);
    if (filefailure::endOnFatal(m_s, load.error, IoWording::Guidebook))
        return false;
    m_ties = load.ties;
    m_readOnly = load.unreadable();
    if (m_readOnly)
        m_s.dialogs.notice((load.error == FileError::Damaged
                                ? filefailure::damagedFileText(QLatin1String(cardties::kFile))
                                : QStringLiteral("ICカードの登録（%1）を読み込めませんでした。")
                                      .arg(QLatin1String(cardties::kFile))) +
                           QStringLiteral("この画面では登録を変えられません。"));
    else if (load.skipped > 0)
        m_s.dialogs.notice(QStringLiteral("ICカードの登録（%1）に読めない行が %2 件ありました。"
                                          "次に登録を変えると、その行はなくなります。")
                               .arg(QLatin1String(cardties::kFile))
                               .arg(load.skipped));
    return true;
}

void CardRegistration::select(int index) {
    if (index < 0 || index >= m_people.size())
        index = -1;
    if (index != m_selected)
        m_selectedCard = -1;
    m_selected = index;
}

QStringList CardRegistration::cards() const {
    return m_selected < 0 ? QStringList() : m_ties.idsOf(m_people[m_selected].code);
}

QString CardRegistration::who(const QString &code) const {
    for (const Person &p : m_people)
        if (p.code == code)
            return p.code + QLatin1Char(' ') + p.name;
    return QStringLiteral("コード ") + code;
}

QString CardRegistration::fullText() {
    return QStringLiteral("これ以上カードを登録できません（%1 枚まで）。").arg(CardTies::kMax);
}

void CardRegistration::tell(Outcome o, const QString &text) {
    m_outcome = o;
    m_message = text;
}

bool CardRegistration::save(const QString &id, const CardTies &after, const QString &reason) {
    cardties::Saved saved;
    const FileError e =
        filefailure::saveAskingAgain(m_s, QStringLiteral("ICカードの登録（ICKaado.Dat）"), [&] {
            saved = cardties::save(m_s, m_ties, after, reason);
            return saved.error;
        });
    if (saved.unreadable) {
        if (!filefailure::endOnFatal(m_s, e, IoWording::Guidebook)) {
            m_readOnly = true;
            tell(Outcome::Refused,
                 QStringLiteral("登録ファイルを読めないため、登録を変えていません。"));
        }
        return false;
    }
    if (filefailure::transient(e)) {
        tell(Outcome::Refused, QStringLiteral("カード %1 の登録は変えていません。").arg(id));
        return false;
    }
    if (filefailure::endOnWriteFailure(m_s, e, IoWording::Guidebook))
        return false;
    // What other PCs changed meanwhile is shown from now on.
    m_ties = saved.now;
    if (!saved.kept.contains(id))
        return true;
    m_selectedCard = -1;
    const QString owner = m_ties.codeOf(id);
    if (!owner.isEmpty())
        tell(Outcome::Refused,
             QStringLiteral("カード %1 は、ほかのパソコンで %2 に登録されていました。"
                            "登録は変えていません。")
                 .arg(id, who(owner)));
    else if (m_ties.size() >= CardTies::kMax)
        tell(Outcome::Refused, fullText());
    else
        tell(Outcome::Refused,
             QStringLiteral("カード %1 の登録は、ほかのパソコンで解除されていました。"
                            "登録は変えていません。")
                 .arg(id));
    return false;
}

void CardRegistration::touched(const QString &id) {
    if (id.isEmpty()) {
        tell(Outcome::Refused,
             QStringLiteral("カードを読み取れませんでした。もう一度タッチしてください。"));
        return;
    }
    if (m_readOnly) {
        tell(Outcome::Refused, QStringLiteral("登録ファイルを読めないため、登録できません。"));
        return;
    }
    if (m_selected < 0) {
        tell(Outcome::Refused,
             QStringLiteral("登録する従業員を選んでから、カードをタッチしてください。"));
        return;
    }
    const QString code = m_people[m_selected].code;
    const QString owner = m_ties.codeOf(id);
    if (owner == code) {
        tell(Outcome::AlreadyTied,
             QStringLiteral("カード %1 は %2 に登録済みです。").arg(id, who(code)));
        return;
    }
    QString reason;
    if (!owner.isEmpty()) {
        if (!m_s.dialogs.confirm(QStringLiteral("カード %1 は %2 に登録されています。\n"
                                                "%3 に付け替えますか？")
                                     .arg(id, who(owner), who(code)))) {
            tell(Outcome::NotMoved,
                 QStringLiteral("カード %1 は %2 のままです。").arg(id, who(owner)));
            return;
        }
        reason = QStringLiteral("%1 から付け替え").arg(who(owner));
    }
    CardTies after = m_ties;
    if (!after.tie(id, code)) {
        tell(Outcome::Refused, fullText());
        return;
    }
    if (!save(id, after, reason))
        return;
    m_selectedCard = int(cards().indexOf(id));
    tell(owner.isEmpty() ? Outcome::Tied : Outcome::Moved,
         QStringLiteral("カード %1 を %2 に登録しました。").arg(id, who(code)));
}

void CardRegistration::removeCard() {
    const QStringList ids = cards();
    if (m_readOnly || m_selectedCard < 0 || m_selectedCard >= ids.size())
        return;
    const QString id = ids[m_selectedCard];
    const QString code = m_people[m_selected].code;
    if (!m_s.dialogs.confirm(
            QStringLiteral("カード %1 の %2 への登録を解除します。").arg(id, who(code))))
        return;
    CardTies after = m_ties;
    after.untie(id);
    if (!save(id, after, {}))
        return;
    m_selectedCard = -1;
    tell(Outcome::Removed,
         QStringLiteral("カード %1 の %2 への登録を解除しました。").arg(id, who(code)));
}
