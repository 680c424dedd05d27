#include "app/ui/ScreenRegistry.h"

WorkingScreen *ScreenRegistry::create(const QString &word, ScreenContext &ctx) const {
    auto it = m_factories.find(word);
    return it == m_factories.end() ? nullptr : (*it)(ctx);
}
