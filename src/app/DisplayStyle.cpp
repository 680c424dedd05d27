#include "app/DisplayStyle.h"

#include "app/StartUp.h"
#include "data/RecordFile.h"

DisplayStyle::DisplayStyle(Services &s) : m_s(s) {
    m_enabled = s.session.osKind != QLatin1String("NXP");
    m_checked = s.session.displayStyle.value(0) != stylewords::xp;
}

void DisplayStyle::setChecked(bool checked) {
    if (!m_enabled)
        return;
    m_checked = checked;
    m_s.session.displayStyle[0] = checked ? stylewords::sonota : stylewords::xp;
}

bool DisplayStyle::close() {
    QStringList values = m_s.session.displayStyle;
    while (values.size() < 2)
        values.append(QString());
    values.resize(2);
    return isSaved(records::write(m_s.fs, QLatin1String(kDisplayStyleFile), values));
}
