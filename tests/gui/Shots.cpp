#include "Shots.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <gtest/gtest.h>

namespace shots {

QString folder() {
    return qEnvironmentVariable("KELVANE_SHOT_DIR");
}

QString path(const QString &name) {
    return QDir(folder()).filePath(name);
}

void save(QWidget *w, const QString &name, int wait) {
    QTest::qWait(wait);
    w->grab().save(path(name));
}

void grab(QWidget *w, const QString &name) {
    QTest::qWait(50);
    const QPixmap pm = w->grab();
    EXPECT_FALSE(pm.isNull());
    if (!folder().isEmpty())
        pm.save(path(name));
}

void saveScreen(QWidget *window, const QString &name) {
    const QRect r = window->frameGeometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, r.x(), r.y(), r.width(), r.height())
        .save(path(name));
}

void answer(const QString &caption) {
    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
    if (!box)
        return;
    if (!caption.isEmpty())
        for (QAbstractButton *b : box->buttons())
            if (b->text().startsWith(caption)) {
                b->click();
                return;
            }
    box->buttons().last()->click();
}

void withBox(QWidget *window, const QString &name, const std::function<void()> &open) {
    QTimer::singleShot(600, [window, name] {
        saveScreen(window, name);
        answer();
    });
    open();
    QTest::qWait(700);
}

ProgramFont::ProgramFont() : m_before(QApplication::font()) {
    QFont ui(QStringLiteral("IPAPGothic"));
    ui.setPointSize(10);
    QApplication::setFont(ui);
}

ProgramFont::~ProgramFont() {
    QApplication::setFont(m_before);
}

bool Program::start() {
    frame = std::make_unique<frmmain>(services, registry);
    dialogs.setFallbackParent(frame.get());
    frame->start(platformOsVersion());
    for (int i = 0; i < 8 && frame->splashVisible(); ++i) {
        t.clock.set(t.clock.now().addMSecs(500));
        frame->splashTick();
    }
    frame->activateWindow();
    const bool active = QTest::qWaitForWindowActive(frame.get());
    QTest::qWait(200);
    return active;
}

void Program::click(const QString &name) {
    QTest::mouseClick(find<QWidget>(name), Qt::LeftButton);
}

void Program::openAdditionalPunch() {
    find<QToolBar>("Toolbar1")->findChild<QAction *>("Toolbar1_3")->trigger();
    QTest::qWait(50);
    auto *months = find<QComboBox>("Combo1");
    months->setCurrentIndex(0);
    Q_EMIT months->activated(0);
    clickLine(find<QListWidget>("List2"), 0);
}

void Program::enterAdditionalPunch(const QStringList &boxes, int k) {
    for (int b = 0; b < boxes.size(); ++b)
        type(QStringLiteral("textukihi_%1").arg(2 + b), boxes[b]);
    click(QStringLiteral("optuika_%1").arg(k));
}

void Program::type(const QString &box, const QString &text) {
    auto *w = find<QLineEdit>(box);
    w->setFocus();
    EXPECT_TRUE(QTest::qWaitFor([w] { return w->hasFocus(); }, 1000));
    w->selectAll();
    typeText(w, text);
    QTest::keyClick(w, Qt::Key_Return);
    QTest::qWait(30);
}

} // namespace shots
