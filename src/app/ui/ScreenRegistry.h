#pragma once

#include "screen/ui/WorkingScreen.h"

#include <QHash>
#include <functional>

class QWidget;

// The screens the main frame can open, by current-screen word. A screen plugs
// in with one line in Screens.cpp; the frame's protocol stays as it is.
class ScreenRegistry {
public:
    using Factory = std::function<WorkingScreen *(ScreenContext &)>;
    // The modal PIN prompt; the requester word is in the session. True on a match.
    using PinPrompt = std::function<bool(QWidget *parent, ScreenContext &)>;

    void add(const QString &word, Factory f) { m_factories.insert(word, std::move(f)); }
    bool has(const QString &word) const { return m_factories.contains(word); }
    WorkingScreen *create(const QString &word, ScreenContext &ctx) const;

    void setPinPrompt(PinPrompt p) { m_pinPrompt = std::move(p); }
    const PinPrompt &pinPrompt() const { return m_pinPrompt; }

private:
    QHash<QString, Factory> m_factories;
    PinPrompt m_pinPrompt;
};

// Every screen of the program.
void registerScreens(ScreenRegistry &registry);
