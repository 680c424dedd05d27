#include "app/ui/ProgramMain.h"

#include "app/ui/ScreenRegistry.h"
#include "app/ui/frmmain.h"
#include "platform/FileSystem.h"
#include "platform/SingleInstance.h"
#include "platform/ui/QtDialogs.h"
#ifdef KELVANE_HAVE_PCSC
#include "platform/pcsc/PcscCardReader.h"
#endif

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

namespace {

bool displayAvailable() {
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

// The sheet and the screens name the Windows faces; these are their
// counterparts on this system.
void mapFonts() {
    QFont::insertSubstitution(QStringLiteral("ＭＳ ゴシック"), QStringLiteral("IPAGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ 明朝"), QStringLiteral("IPAMincho"));
    QFont::insertSubstitution(QStringLiteral("ＭＳ Ｐ明朝"), QStringLiteral("IPAPMincho"));
    QFont ui(QStringLiteral("IPAPGothic"));
    ui.setPointSize(10);
    QApplication::setFont(ui);
}

} // namespace

int programMain(int argc, char **argv, const ProgramOptions &options) {
    if (!displayAvailable()) {
        std::fputs("kelvane: no display found; start it on a desktop, or without one as "
                   "\"xvfb-run -a ./kelvane\".\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    mapFonts();
    // Qt's own dialogs (printer setup, file choice, preview) speak Japanese too.
    QTranslator qtTexts;
    if (qtTexts.load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);

    // The program's own folder is the data folder.
    const QString dataFolder =
        options.dataFolder.isEmpty() ? QCoreApplication::applicationDirPath() : options.dataFolder;
    // One instance in a user's session on this PC; many PCs, and many users,
    // may have one data folder open.
    LockFileInstance instance(options.instanceFolder.isEmpty() ? sessionFolder()
                                                               : options.instanceFolder);
    if (!instance.acquire()) {
        // The second start still ends without a word; the window already
        // running comes to the front, so the one who started it sees it.
        instance.callRunning();
        return 0;
    }
    QDir::setCurrent(dataFolder);

    LocalFileSystem fs(dataFolder);
    // What interrupted saves left; the temporary file of a save that another
    // program is still writing stays.
    fs.clearStaleTemps(QString());
    QtDialogs dialogs;
    SystemClock clock;
    QtSettingsStore settings;
    QtProgramEnd programEnd;
    Session session;
    Services services{fs, dialogs, clock, settings, programEnd, session};
#ifdef KELVANE_HAVE_PCSC
    // Watched only once a screen asks for cards.
    PcscCardReader cardReader;
    services.cardReader = &cardReader;
#endif

    ScreenRegistry registry;
    registerScreens(registry);
    frmmain frame(services, registry);
    dialogs.setFallbackParent(&frame);
    instance.onCalled = [&frame] { frame.bringToFront(); };
    frame.start(platformOsVersion());
    if (programEnd.ended())
        return 0;
    if (options.quitWhenShown)
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}
