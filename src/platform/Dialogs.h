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

    // The notice of the system: no icon, OK, "お知らせ".
    void notice(const QString &text);
    // The information boxes of the settings, roster and preparation screens:
    // notices like every other, without an icon.
    void info(const QString &text);
    // Confirmation before deleting or copying: warning icon, OK/Cancel, "確認".
    bool confirm(const QString &text);
};
