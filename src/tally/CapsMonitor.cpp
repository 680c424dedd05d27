#include "tally/CapsMonitor.h"

#include "data/FileFailure.h"
#include "tally/TimeText.h"

bool CapsMonitor::load() {
    const caplimits::Load l = caplimits::read(m_s.fs);
    if (filefailure::endOnFatal(m_s, l.error, IoWording::Guidebook))
        return false;
    if (l.error == FileError::Damaged)
        m_s.dialogs.notice(filefailure::damagedFileText(QLatin1String(caplimits::kFile)));
    m_limits = l.limits;
    return true;
}

bool CapsMonitor::setLimits(const CapLimits &limits) {
    const FileError e = caplimits::write(m_s.fs, limits);
    if (filefailure::endOnFatal(m_s, e, IoWording::Guidebook))
        return false;
    if (!isSaved(e)) {
        m_s.dialogs.notice(QStringLiteral("上限の設定（%1）を保存できませんでした。\n"
                                          "これまでの上限のまま表示します。")
                               .arg(QLatin1String(caplimits::kFile)));
        return false;
    }
    if (e == FileError::Unconfirmed)
        m_s.dialogs.notice(filefailure::unconfirmedText());
    m_limits = limits;
    recompute();
    return true;
}

void CapsMonitor::chooseMonth(const QString &folder, const QStringList &folders,
                              const QList<EmployeeLine> &entries) {
    m_folder = folder;
    m_window = CapMonths::window(folder, folders);
    m_codes.clear();
    m_names.clear();
    for (const EmployeeLine &e : entries) {
        m_codes.append(e.code.trimmed());
        m_names.append(e.name.trimmed());
    }
    recompute();
}

void CapsMonitor::stored(const QString &code, const CardTable &card) {
    if (m_folder.isEmpty())
        return;
    m_months.stored(m_folder, code, card);
    if (m_results.contains(code))
        m_results.insert(code, checkOne(code));
}

overtimecaps::Result CapsMonitor::checkOne(const QString &code) {
    overtimecaps::Window w;
    for (int k = 0; k < overtimecaps::kWindow; ++k)
        w[static_cast<size_t>(k)] = m_months.hours(m_window[static_cast<size_t>(k)], code);
    return overtimecaps::check(w, m_limits);
}

void CapsMonitor::recompute() {
    m_results.clear();
    for (const QString &code : std::as_const(m_codes))
        if (!m_results.contains(code))
            m_results.insert(code, checkOne(code));
}

const overtimecaps::Result *CapsMonitor::of(const QString &code) const {
    const auto it = m_results.constFind(code.trimmed());
    return it == m_results.constEnd() ? nullptr : &*it;
}

bool CapsMonitor::flagged(const QString &code) const {
    const overtimecaps::Result *r = of(code);
    return r && r->rules != 0;
}

OverHoursData CapsMonitor::overHoursList() const {
    OverHoursData list{m_folder, m_limits[CapLimits::Average], {}};
    for (qsizetype i = 0; i < m_codes.size(); ++i) {
        const overtimecaps::Result *r = of(m_codes[i]);
        if (r && r->monthTotal > m_limits.minutes(CapLimits::Average))
            list.lines.append({m_codes[i], m_names[i], timetext::hoursText(r->monthTotal),
                               timetext::hoursText(r->averageMinutes()), r->averageMonths});
    }
    return list;
}
