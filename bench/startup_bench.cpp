// Start-up time: from exec to the main frame shown, against a bare Qt window
// of the same tree, as the ratio of each run's pair measured in one run.
#include "RatioRuns.h"
#include "app/ui/ProgramMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// withText: a menu bar with one caption, so the window needs the system's
// fonts as any window with text does; the bare window draws no text at all.
int bareWindow(int argc, char **argv, bool withText) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.resize(600, 400);
    if (withText)
        w.menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    w.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

double runMs(const QString &self, const QStringList &args) {
    QElapsedTimer t;
    t.start();
    QProcess p;
    p.start(self, args);
    p.waitForFinished(30000);
    return double(t.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 2 && std::strcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv, false);
    if (argc >= 2 && std::strcmp(argv[1], "--text") == 0)
        return bareWindow(argc, argv, true);
    if (argc >= 3 && std::strcmp(argv[1], "--program") == 0) {
        ProgramOptions options;
        options.dataFolder = QString::fromLocal8Bit(argv[2]);
        options.quitWhenShown = true;
        return programMain(argc, argv, options);
    }

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    QTemporaryDir data;
    const int runs = 15;
    runMs(self, {QStringLiteral("--bare")}); // warm the caches
    runMs(self, {QStringLiteral("--program"), data.path()});
    // Each run starts both, one after the other, so the machine's load of the
    // moment weighs on both sides of its ratio.
    std::vector<double> bare, text, program;
    bench::RatioRuns ratios, textRatios;
    for (int i = 0; i < runs; ++i) {
        bare.push_back(runMs(self, {QStringLiteral("--bare")}));
        text.push_back(runMs(self, {QStringLiteral("--text")}));
        program.push_back(runMs(self, {QStringLiteral("--program"), data.path()}));
        ratios.add(program.back(), bare.back());
        textRatios.add(program.back(), text.back());
    }
    std::printf("start-up, exec to main frame shown (median of %d)\n", runs);
    std::printf("  bare Qt window               %8.1f ms\n", bench::median(bare));
    std::printf("  bare window with a menu bar  %8.1f ms\n", bench::median(text));
    std::printf("  kelvane                      %8.1f ms\n", bench::median(program));
    ratios.print("kelvane / bare window", "<= 1.15");
    textRatios.print("kelvane / window with a menu bar (the fonts loaded)");
    return 0;
}
