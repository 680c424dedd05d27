#include "access/PinPrompt.h"

#include "access/Henkan.h"
#include "access/PinMessages.h"

namespace {
bool knownRequester(const QString &word) {
    return word == screenword::recorder || word == screenword::syuukei || word == screenword::seiri;
}
} // namespace

PinPrompt::Result PinPrompt::ok(const QString &entered) {
    if (!pinmessages::acceptEntry(m_s.dialogs, entered, QStringLiteral("暗証番号が未入力です。")))
        return Result::Stay;
    // With no PIN stored nothing can match: henkan() never gives the empty text.
    if (pinscramble::henkan(entered) != m_s.session.storedPin) {
        m_s.dialogs.notice(QStringLiteral("登録されている番号と一致しません。"));
        return Result::Stay;
    }
    return knownRequester(m_s.session.pinRequester) ? Result::Match : Result::NothingToOpen;
}
