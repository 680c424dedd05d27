#include "platform/ProgramEnd.h"

#include <QCoreApplication>

void QtProgramEnd::endProgram() {
    m_ended = true;
    QCoreApplication::exit(0);
}
