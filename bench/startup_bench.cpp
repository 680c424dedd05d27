// Start-up time: from exec to the main frame shown, against a bare Qt window
// of the same tree, as a ratio of medians measured in one run.
#include "app/ui/ProgramMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

int bareWindow(int argc, char **argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.resize(600, 400);
    w.show();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return app.exec();
}

double medianMs(const QString &self, const QStringList &args, int runs) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        QProcess p;
        p.start(self, args);
        p.waitForFinished(30000);
        times.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char **argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc >= 2 && std::strcmp(argv[1], "--bare") == 0)
        return bareWindow(argc, argv);
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
    medianMs(self, {QStringLiteral("--bare")}, 2); // warm the caches
    const double bare = medianMs(self, {QStringLiteral("--bare")}, runs);
    const double program = medianMs(self, {QStringLiteral("--program"), data.path()}, runs);
    std::printf("start-up, exec to main frame shown (median of %d)\n", runs);
    std::printf("  bare Qt window   %8.1f ms\n", bare);
    std::printf("  kelvane          %8.1f ms\n", program);
    std::printf("  ratio            %8.2f  (goal <= 1.2)\n", program / bare);
    return 0;
}
