#include "support/MainFrameFixture.h"

#include <QAction>
#include <QCloseEvent>
#include <QLineEdit>
#include <QTimer>
#include <QVBoxLayout>

FakeScreen::FakeScreen(ScreenContext &ctx, QString word, QStringList &log)
    : WorkingScreen(ctx), m_word(std::move(word)), m_log(log) {
    setObjectName(QStringLiteral("fake_") + m_word);
    setWindowTitle(m_word);
    setTwipsSize(6000, 4500);
    auto *box = new QLineEdit(this);
    box->setObjectName(QStringLiteral("box_") + m_word);
    (new QVBoxLayout(this))->addWidget(box);
    m_log.append(QStringLiteral("open:") + m_word);
    if (m_word == QLatin1String("recorder"))
        ctx.services.session.screenWord = QStringLiteral("recorder");
}

void FakeScreen::closeEvent(QCloseEvent *event) {
    if (refuseClose) {
        m_log.append(QStringLiteral("kept:") + m_word);
        event->ignore();
        return;
    }
    m_log.append(QStringLiteral("close:") + m_word);
    Session &session = m_ctx.services.session;
    if (m_word == QLatin1String("recorder")) {
        if (session.screenWord == QLatin1String("recorder"))
            session.screenWord.clear();
    } else {
        m_ctx.host.showPunchClock();
    }
    event->accept();
}

QStringList MainFrameFixture::defaultWords() {
    return {QStringLiteral("recorder"), QStringLiteral("keisankijyun"),
            QStringLiteral("meibo"),    QStringLiteral("cardjyunbi"),
            QStringLiteral("syuukei"),  QStringLiteral("seiri"),
            QStringLiteral("bkup"),     QStringLiteral("pw")};
}

MainFrameFixture::MainFrameFixture(const QStringList &words) {
    t.clock.set(2007, 3, 1, 9, 0, 10);
    for (const QString &w : words)
        registry.add(w, [this, w](ScreenContext &ctx) { return new FakeScreen(ctx, w, log); });
    registry.setPinPrompt([this](QWidget *, ScreenContext &) {
        ++pinPrompts;
        log.append(QStringLiteral("pin:") + t.session.pinRequester);
        return pinAnswer;
    });
    frame = std::make_unique<frmmain>(t.services, registry);
}

MainFrameFixture::~MainFrameFixture() {
    frame.reset();
}

void MainFrameFixture::tick(int n) {
    for (int i = 0; i < n; ++i)
        frame->splashTick();
}

void MainFrameFixture::startAndPassSplash(int maxTicks) {
    frame->start(platformOsVersion());
    for (int i = 0; i < maxTicks && frame->splashVisible(); ++i) {
        t.clock.set(t.clock.now().addMSecs(500));
        frame->splashTick();
    }
}

void MainFrameFixture::trigger(const QString &item) {
    if (QAction *a = frame->item(item))
        a->trigger();
}
