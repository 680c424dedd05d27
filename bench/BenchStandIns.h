#pragma once

// Quiet stand-ins for the platform seams a benchmark does not measure.

#include "platform/Dialogs.h"
#include "platform/ProgramEnd.h"
#include "platform/SettingsStore.h"

// Answers OK to every box and counts them, so a run can tell it met none.
class QuietDialogs : public Dialogs {
public:
    BoxAnswer message(const QString &, const QString &, BoxIcon, BoxButtons) override {
        ++shown;
        return BoxAnswer::Ok;
    }
    int shown = 0;
};

class NoSettings : public SettingsStore {
public:
    QString value(const QString &, const QString &, const QString &,
                  const QString &fallback) const override {
        return fallback;
    }
    bool setValue(const QString &, const QString &, const QString &, const QString &) override {
        return true;
    }
};

class NoEnd : public ProgramEnd {
public:
    void endProgram() override { m_ended = true; }
    bool ended() const override { return m_ended; }

private:
    bool m_ended = false;
};
