#include "app/StartUp.h"

#include "data/RecordFile.h"

namespace {
const QString kPinApp = QStringLiteral("Kelvane");
const QString kPinSection = QStringLiteral("Trdw");
const QString kPinKey = QStringLiteral("Psno");
} // namespace

void StartUp::run(const OsVersion &version) {
    Session &session = m_s.session;
    session.osKind = osKindFromVersion(version);

    const records::Read style = records::read(m_s.fs, QLatin1String(kDisplayStyleFile), 2);
    session.displayStyle = style.ok() ? style.values : QStringList{QString(), QString()};
    QString &first = session.displayStyle[0];
    if (session.osKind == QLatin1String("NXP"))
        first = stylewords::sonota;
    else if (first.isEmpty())
        first = stylewords::xp;
    else if (first != stylewords::xp)
        first = stylewords::sonota; // anything but the themed style sizes as classic

    session.storedPin = m_s.settings.value(kPinApp, kPinSection, kPinKey);
    session.startSecond = m_s.clock.now().time().second();
    session.tickSecond = session.startSecond;

    const records::Read flags = records::read(m_s.fs, QLatin1String(kSuspendFlagsFile), 4);
    if (flags.ok())
        session.suspendFlags = flags.values;
}

bool StartUp::resumeTallyAtStart() const {
    return m_s.session.suspendFlags.value(2) == QLatin1String("soku");
}

QString StartUp::dataFolderNotice() const {
    if (m_s.fs.canWrite(QString()))
        return {};
    return QStringLiteral("データフォルダに書き込めません（読み取り専用か、書き込みが許可されて"
                          "いません）。\n") +
           m_s.fs.dataFolder() +
           QStringLiteral("\n\nこのままでは打刻もデータの変更も記録されません。"
                          "管理者に連絡してください。");
}

bool StartUp::tick() {
    Session &session = m_s.session;
    ++m_ticks;
    session.tickSecond = m_s.clock.now().time().second();
    if (!session.screenWord.isEmpty())
        return false;
    const int d = session.tickSecond - session.startSecond;
    const int elapsed = (d + 60) % 60; // d = -58 is two seconds across a minute
    return elapsed >= 2 || m_ticks >= 6;
}

bool StartUp::smallDisplayNoticeDue(const QSize &screen) const {
    return m_s.session.osKind == QLatin1String("Vista") &&
           m_s.session.displayStyle.value(0) == stylewords::xp &&
           (screen.width() < 1024 || screen.height() < 768);
}

QString StartUp::smallDisplayText() {
    return QStringLiteral(
        "ディスプレイの解像度が小さいため、操作がし辛くなります。ディスプレイの解像度を"
        "（１０２４×７６８）に設定することをお勧めします。");
}
