#include "app/ui/PcStatusLabel.h"

#include "data/OpenPcs.h"

#include <QSysInfo>
#include <QTimer>

PcStatusLabel::PcStatusLabel(Services &s, QWidget *parent) : QLabel(parent), m_s(s) {
    setObjectName(QStringLiteral("lblpc"));
    m_timer = new QTimer(this);
    m_timer->setInterval(kRefreshMs);
    connect(m_timer, &QTimer::timeout, this, &PcStatusLabel::refresh);
}

PcStatusLabel::~PcStatusLabel() {
    if (m_entered)
        openpcs::leave(m_s.fs);
}

bool PcStatusLabel::enter() {
    const openpcs::List list = openpcs::enter(m_s.fs, QSysInfo::machineHostName(), m_s.clock.now());
    m_entered = m_s.fs.holdMark() >= 0;
    setText(openpcs::statusText(list, m_entered));
    setToolTip(openpcs::toolTip(list));
    m_timer->start();
    return m_s.fs.lockingWorks();
}

void PcStatusLabel::refresh() {
    const openpcs::List list = openpcs::running(m_s.fs);
    setText(openpcs::statusText(list, m_entered));
    setToolTip(openpcs::toolTip(list));
}
