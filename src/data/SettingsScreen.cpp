#include "data/SettingsScreen.h"

#include "data/CardUpdate.h"
#include "data/ChangeMerge.h"
#include "data/FileFailure.h"
#include "data/History.h"
#include "data/LabourRules.h"
#include "data/RecordFile.h"

SettingsScreen::SettingsScreen(Services &services) : m_s(services) {}

bool SettingsScreen::open() {
    const filefailure::Load load = filefailure::loadOrCreate(m_s, QLatin1String(kSettingsFile),
                                                             CalcSettings::kCount, IoWording::Disk);
    if (load.ended)
        return false;
    m_settings = CalcSettings::fromList(load.read.values);
    m_stored = load.read.values;
    // A file that exists but could not be read is never overwritten by the
    // empty settings that took its place.
    m_unreadable = load.unreadable();
    if (m_unreadable)
        m_s.dialogs.notice(
            (load.cleared == FileError::Damaged
                 ? filefailure::damagedFileText(QLatin1String(kSettingsFile))
                 : QStringLiteral("基本設定（Kijyun.Dat）を読み込めませんでした。")) +
            QStringLiteral("この画面での変更は保存されません。"));
    if (m_settings[CalcSettings::YearStyle].isEmpty())
        m_settings[CalcSettings::YearStyle] = storedword::seireki;
    const icoptions::Load ic = icoptions::read(m_s.fs);
    m_ic = ic.options;
    m_icRead = ic.options;
    m_icUnreadable = ic.error != FileError::None && ic.error != FileError::NotFound;
    hyouji();
    return true;
}

void SettingsScreen::hyouji() {
    for (int i = 0; i < kTextBoxes; ++i)
        m_text[static_cast<size_t>(i)] = m_settings[i];
    for (int k = 0; k < kRoundingBoxes; ++k)
        m_rounding[static_cast<size_t>(k)] = m_settings[k + 4];
    const QString &year = m_settings[CalcSettings::YearStyle];
    const QString &kind = m_settings[CalcSettings::PeriodKind];
    const QString &attribution = m_settings[CalcSettings::MonthAttribution];
    m_option = {kind == storedword::getumatusime,   kind == storedword::nijuusime,
                year == storedword::seireki,        year == storedword::wareki,
                attribution == storedword::tougetu, attribution == storedword::yokugetu};
}

bool SettingsScreen::roundingNoticeShown() const {
    return labourrules::roundingShortensTime(m_settings);
}

bool SettingsScreen::roundingNoticeShownWith(int k, const QString &text) const {
    CalcSettings shown = m_settings;
    if (k >= 0 && k < kRoundingBoxes)
        shown[k + 4] = text;
    return labourrules::roundingShortensTime(shown);
}

void SettingsScreen::chooseOption(int n) {
    auto set = [this](int option, bool on) { m_option[static_cast<size_t>(option - 1)] = on; };
    switch (n) {
    case 3:
    case 4:
        m_settings[CalcSettings::YearStyle] = n == 3 ? storedword::seireki : storedword::wareki;
        set(3, n == 3);
        set(4, n == 4);
        break;
    case 1:
    case 2:
        m_settings[CalcSettings::PeriodKind] =
            n == 1 ? storedword::getumatusime : storedword::nijuusime;
        m_settings[CalcSettings::OtherStartDay].clear();
        m_settings[CalcSettings::OtherEndDay].clear();
        m_settings[CalcSettings::MonthAttribution].clear();
        m_text[1].clear();
        m_text[2].clear();
        set(1, n == 1);
        set(2, n == 2);
        set(5, false);
        set(6, false);
        break;
    case 5:
    case 6:
        m_settings[CalcSettings::MonthAttribution] =
            n == 5 ? storedword::tougetu : storedword::yokugetu;
        m_settings[CalcSettings::PeriodKind] = storedword::sonota;
        set(1, false);
        set(2, false);
        set(5, n == 5);
        set(6, n == 6);
        break;
    default:
        break;
    }
}

QString SettingsScreen::enterTextBox(int i) {
    m_text[static_cast<size_t>(i)] = m_settings[i];
    return m_settings[i];
}

QString SettingsScreen::enterRoundingBox(int k) {
    m_rounding[static_cast<size_t>(k)] = m_settings[k + 4];
    return m_settings[k + 4];
}

void SettingsScreen::info(const QString &text, bool quiet) {
    if (!quiet)
        m_s.dialogs.info(text);
}

SettingsScreen::Leave SettingsScreen::leaveTextBox(int i, const QString &text, bool quiet) {
    Leave leave{text, false};
    if (i == CalcSettings::DayChangeHour) {
        const int hour = leadingNumber(text);
        if (text.isEmpty()) {
            info(hourEmptyText(), quiet);
            leave.boxText = QStringLiteral("0");
        } else if (hour == 24) {
            info(hour24Text(), quiet);
            leave = {QStringLiteral("0"), true};
        } else if (hour >= 25) {
            info(hourRangeText(), quiet);
            leave = {QString(), true};
            if (quiet) // closing: the last valid hour stays
                leave.boxText = m_settings[i];
        }
    }
    m_settings[i] = leave.boxText;
    m_text[static_cast<size_t>(i)] = leave.boxText;
    return leave;
}

SettingsScreen::Leave SettingsScreen::leaveRoundingBox(int k, const QString &text, bool quiet) {
    bool refused = false;
    if (isUnitBox(k)) {
        bool numeric = false;
        const double value = text.trimmed().toDouble(&numeric);
        if (numeric && value > 30) {
            info(unitOverText(), quiet);
            refused = true;
        }
    } else if (!text.isEmpty() && m_rounding[static_cast<size_t>(k - 1)].isEmpty()) {
        info(methodWithoutUnitText(), quiet);
        refused = true;
    }
    Leave leave{text, false};
    if (refused)
        leave.boxText.clear();
    else
        m_settings[k + 4] = text;
    m_rounding[static_cast<size_t>(k)] = leave.boxText;
    return leave;
}

QString SettingsScreen::enterTarget(const QString &control) {
    if (control == QLatin1String("texkijyun_0"))
        return QStringLiteral("Option3");
    if (control == QLatin1String("texkijyun_1"))
        return QStringLiteral("texkijyun_2");
    if (control == QLatin1String("texkijyun_2"))
        return QStringLiteral("Option5");
    const QString prefix = QStringLiteral("cmbhasuu_");
    if (control.startsWith(prefix)) {
        const int k = leadingNumber(control.mid(prefix.size()));
        if (k < kRoundingBoxes - 1)
            return prefix + QString::number(k + 1);
        return QStringLiteral("texkijyun_0");
    }
    return {};
}

FileError SettingsScreen::writeOntoCurrent() {
    // Another PC may have saved the settings since this screen read them:
    // the values changed here go onto the file as it is now, under its lock
    // and the history's, as the roster does.
    const QString file = QLatin1String(kSettingsFile);
    const cardupdate::Locks locks = cardupdate::lockFile(m_s.fs, file);
    if (locks.error() != FileError::None)
        return locks.error();
    const records::Read now = records::read(m_s.fs, file, CalcSettings::kCount);
    const QStringList before = now.ok() ? now.values : m_stored;
    const QStringList values = now.ok()
                                   ? changemerge::values(m_stored, m_settings.toList(), now.values)
                                   : m_settings.toList();
    // Each value that changed goes into the change history first.
    const history::Saved saved =
        history::saveValues(m_s, history::word::settei, file, before, values);
    if (saved.ok()) {
        m_settings = CalcSettings::fromList(values);
        m_stored = values;
    }
    return saved.error;
}

bool SettingsScreen::close() {
    if (!dhozon())
        return false;
    if (m_ic == m_icRead || m_icUnreadable)
        return true;
    // Another PC may have changed an option since: the ones changed here go
    // onto the file as it is now.
    icoptions::Saved saved;
    const FileError e =
        filefailure::saveAskingAgain(m_s, QStringLiteral("ICカードの設定（ICSettei.Dat）"), [&] {
            saved = icoptions::save(m_s.fs, m_icRead, m_ic);
            return saved.error;
        });
    if (saved.unreadable) {
        if (filefailure::endOnFatal(m_s, e, IoWording::Disk))
            return false;
        m_s.dialogs.notice(QStringLiteral("ICカードの設定（ICSettei.Dat）を読み込めなかったため、"
                                          "ICカードの設定は保存していません。"));
        return true;
    }
    return filefailure::transient(e) || !filefailure::endOnWriteFailure(m_s, e, IoWording::Disk);
}

bool SettingsScreen::dhozon() {
    if (m_unreadable)
        return true;
    const FileError e = filefailure::saveAskingAgain(m_s, QStringLiteral("基本設定（Kijyun.Dat）"),
                                                     [this] { return writeOntoCurrent(); });
    if (filefailure::transient(e))
        return true;
    return !filefailure::endOnWriteFailure(m_s, e, IoWording::Disk);
}
