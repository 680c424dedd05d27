#pragma once

#include "screen/ScreenHost.h"

#include <QListWidget>
#include <QStringList>
#include <QTest>
#include <QWidget>

// A stand-in for the main frame that records what a screen asks of it.
class RecordingHost : public ScreenHost {
public:
    void setWorkingItemsEnabled(bool enabled) override { itemsEnabled = enabled; }
    void showPunchClock() override { ++punchClockShown; }
    void openScreen(const QString &word) override { opened.append(word); }
    bool askPin(const QString &requester) override {
        pinRequests.append(requester);
        return pinAnswer;
    }
    void showUsageGuide() override { ++guideShown; }

    bool itemsEnabled = true;
    int punchClockShown = 0;
    int guideShown = 0;
    bool pinAnswer = true;
    QStringList opened;
    QStringList pinRequests;
};

// Sends each character as a key event carrying its text (QTest::keyClicks
// cannot send Japanese).
inline void typeText(QWidget *w, const QString &text) {
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A click on a line of a list, as a user makes it.
inline void clickLine(QListWidget *list, int row) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}
