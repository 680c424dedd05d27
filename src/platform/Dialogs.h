#pragma once

#include <QString>

enum class BoxIcon { None, Information, Warning, Critical, Question };
enum class BoxButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class BoxAnswer { Ok, Cancel, Yes, No };

// Message boxes. Logic classes ask here and get the answer; they never show a
// window themselves.
class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual BoxAnswer message(const QString &text, const QString &title, BoxIcon icon,
                              BoxButtons buttons) = 0;
    // A choice between two named answers, and キャンセル: Yes for the first,
    // No for the second. Where the platform cannot name its buttons it asks
    // with はい / いいえ / キャンセル, so the text names both answers too.
    virtual BoxAnswer choose(const QString &text, const QString &title, BoxIcon icon,
                             const QString &yesCaption, const QString &noCaption);

    // The notice of the system: no icon, OK, "お知らせ".
    void notice(const QString &text);
    // The information boxes of the settings, roster and preparation screens:
    // notices like every other, without an icon.
    void info(const QString &text);
    // Confirmation before deleting or copying: warning icon, OK/Cancel, "確認".
    bool confirm(const QString &text);
};
