#pragma once

// Pictures of the real windows for the documentation and for a person to look
// at: written only when KELVANE_SHOT_DIR names a folder (run under a real X
// server, QT_QPA_PLATFORM=xcb, for real fonts and message boxes).
#include "app/ui/ScreenRegistry.h"
#include "app/ui/frmmain.h"
#include "platform/ui/QtDialogs.h"
#include "support/RecordingHost.h"
#include "support/TestServices.h"

#include <QFont>
#include <QString>
#include <functional>
#include <memory>

class QWidget;

namespace shots {

// The picture folder asked for; empty when none is.
QString folder();
QString path(const QString &name);

// w as it paints itself, saved as name after wait ms to let it settle.
void save(QWidget *w, const QString &name, int wait);
// w grabbed after a short wait to paint; saved as name when pictures are asked for.
void grab(QWidget *w, const QString &name);
// The window on the screen with whatever box stands over it.
void saveScreen(QWidget *window, const QString &name);
// The box in front answered with the button whose caption starts so; with no
// caption, or none that fits, its last button.
void answer(const QString &caption = QString());
// The window with the box open() brings up, then the box closed.
void withBox(QWidget *window, const QString &name, const std::function<void()> &open);

// The program's own face while it lives, so the pictures show what users see.
class ProgramFont {
public:
    ProgramFont();
    ~ProgramFont();
    ProgramFont(const ProgramFont &) = delete;
    ProgramFont &operator=(const ProgramFont &) = delete;

private:
    QFont m_before;
};

// The real frame and screens with real message boxes.
struct Program {
    TestServices t;
    QtDialogs dialogs;
    Services services{t.fs, dialogs, t.clock, t.settings, t.programEnd, t.session, &t.cardReader};
    ScreenRegistry registry;
    std::unique_ptr<frmmain> frame;

    Program() { registerScreens(registry); }
    ~Program() { frame.reset(); }
    // Makes and starts the frame past its splash; false when it never became active.
    bool start();
    template <typename W> W *find(const QString &name) const { return frame->findChild<W *>(name); }
    void click(const QString &name);
    // The punch clock's additional punch panel on the first card month, with
    // its first employee chosen.
    void openAdditionalPunch();
    // Types month, day, hour and minute into its boxes and chooses kind k.
    void enterAdditionalPunch(const QStringList &boxes, int k);
    // Types text into the box and presses Return.
    void type(const QString &box, const QString &text);
};

} // namespace shots
