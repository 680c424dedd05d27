#include "access/ui/frmpwkakunin.h"

#include "access/ui/PinBox.h"
#include "screen/ui/EntryBox.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

frmpwkakunin::frmpwkakunin(Services &services, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_prompt(services) {
    setObjectName(QStringLiteral("frmpwkakunin"));
    setWindowTitle(QStringLiteral(" 暗証番号の確認"));
    setModal(true);
    setFixedSize(220, 112);

    auto *text = new QLabel(QStringLiteral("暗証番号を入力して\nください。"), this);
    text->setObjectName(QStringLiteral("Label1"));
    text->setGeometry(16, 12, 188, 40);

    m_text1 = makePinBox(this, QStringLiteral("Text1"));
    m_text1->widget()->setGeometry(16, 66, 100, 26);

    m_command1 = new QPushButton(QStringLiteral("ＯＫ"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(132, 65, 72, 28);
    // Enter in the box must not press it; only a click or Space does.
    m_command1->setAutoDefault(false);
    m_command1->setDefault(false);
    connect(m_command1, &QPushButton::clicked, this, &frmpwkakunin::ok);

    m_text1->widget()->setFocus();
    centreOnScreen();
}

// Placed before it is shown (Qt then leaves the place alone), so the prompt
// does not jump from over its parent to the middle of the screen.
void frmpwkakunin::centreOnScreen() {
    const QScreen *screen =
        parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect r(QPoint(), size());
    r.moveCenter(screen->availableGeometry().center());
    move(r.topLeft());
}

void frmpwkakunin::ok() {
    switch (m_prompt.ok(m_text1->text())) {
    case PinPrompt::Result::Stay:
        // The masked digits cannot be checked: the next try is typed anew.
        m_text1->setText(QString());
        m_text1->widget()->setFocus();
        return;
    case PinPrompt::Result::Match:
        accept();
        return;
    case PinPrompt::Result::NothingToOpen:
        reject();
        return;
    }
}

bool runPinPrompt(QWidget *parent, Services &services) {
    frmpwkakunin prompt(services, parent);
    const bool matched = prompt.exec() == QDialog::Accepted;
    // Nothing else gives the window behind the prompt its keyboard back.
    if (parent)
        parent->activateWindow();
    return matched;
}
