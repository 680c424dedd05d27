#pragma once

#include <QString>
#include <QStringList>

// The values the main frame shares with every screen for the whole run.
struct Session {
    // Which working screen is in front: "recorder", "meibo", "keisankijyun",
    // "cardjyunbi", "syuukei", "seiri", "bkup", "pw"; empty before the
    // punch-clock screen first opens and after the user closed it.
    QString screenWord;
    QString osKind;                                 // "XP", "Vista" or "NXP"
    QStringList displayStyle{QString(), QString()}; // the two values of XP.Dat
    QString storedPin;                              // scrambled PIN, empty when none
    QString pinRequester;                           // "syuukei", "seiri", "recorder"
    int startSecond = 0;
    int tickSecond = 0;
    QStringList suspendFlags{QString(), QString(), QString(), QString()}; // Cyuudanumu.Dat

    bool classicStyle() const { return displayStyle.value(0) != QLatin1String("xp"); }
};
