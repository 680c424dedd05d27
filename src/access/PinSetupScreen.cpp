#include "access/PinSetupScreen.h"

#include "access/Henkan.h"
#include "access/PinEntry.h"
#include "access/PinMessages.h"

PinSetupScreen::PinSetupScreen(Services &services)
    : m_s(services), m_store(services.settings),
      m_newSection(services.session.storedPin.isEmpty()) {}

bool PinSetupScreen::registerPin(const QString &pin, const QString &again) {
    if (!pinmessages::acceptEntry(m_s.dialogs, pin, QStringLiteral("暗証番号が未入力です。")))
        return false;
    if (!sameTwice(pin, again))
        return false;
    if (!store(pinscramble::henkan(pin), QStringLiteral("暗証番号は登録されていません。")))
        return false;
    m_s.dialogs.notice(QStringLiteral("登録完了です。"));
    return true;
}

bool PinSetupScreen::changePin(const QString &current, const QString &next, const QString &again) {
    using pinentry::Fault;
    const Fault fc = pinentry::check(current);
    const Fault fn = pinentry::check(next);
    // Both boxes are checked for being empty before either is checked for its
    // length, so the first box the user has to fill is the one named.
    if (fc == Fault::Empty) {
        m_s.dialogs.notice(QStringLiteral("現在の暗証番号が未入力です。"));
        return false;
    }
    if (fn == Fault::Empty) {
        m_s.dialogs.notice(QStringLiteral("新しい暗証番号が未入力です。"));
        return false;
    }
    if (fc == Fault::WrongLength || fn == Fault::WrongLength) {
        m_s.dialogs.notice(pinentry::wrongLengthMessage());
        return false;
    }
    if (fc == Fault::NotDigits || fn == Fault::NotDigits) {
        m_s.dialogs.notice(pinentry::notDigitsMessage());
        return false;
    }
    if (pinscramble::henkan(current) != m_store.read()) {
        m_s.dialogs.notice(QStringLiteral("現在の暗証番号が一致しません。"));
        return false;
    }
    if (!sameTwice(next, again))
        return false;
    if (!store(pinscramble::henkan(next), QStringLiteral("暗証番号は変更されていません。")))
        return false;
    m_s.dialogs.notice(QStringLiteral("変更しました。"));
    return true;
}

bool PinSetupScreen::sameTwice(const QString &pin, const QString &again) {
    // A PIN typed once may not be the one meant (a box cut at six, a key
    // missed): it is stored only when typed the same twice.
    if (again.isEmpty()) {
        m_s.dialogs.notice(QStringLiteral("確認のため、同じ暗証番号をもう一度入力してください。"));
        return false;
    }
    if (again != pin) {
        m_s.dialogs.notice(QStringLiteral("確認のために入力した暗証番号が一致しません。"
                                          "もう一度入力してください。"));
        return false;
    }
    return true;
}

bool PinSetupScreen::store(const QString &scrambled, const QString &whatWasKept) {
    if (!m_store.write(scrambled)) {
        pinmessages::storeFailed(m_s.dialogs, whatWasKept);
        return false;
    }
    m_s.session.storedPin = scrambled;
    return true;
}
