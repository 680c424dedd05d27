#pragma once

#include <QLatin1String>
#include <QString>
#include <QStringList>

// The current-screen words and the PIN requester words, spelled once.
namespace screenword {
inline constexpr QLatin1String recorder{"recorder"};         // punch-clock screen
inline constexpr QLatin1String meibo{"meibo"};               // employee roster
inline constexpr QLatin1String keisankijyun{"keisankijyun"}; // calculation settings
inline constexpr QLatin1String cardjyunbi{"cardjyunbi"};     // card preparation
inline constexpr QLatin1String syuukei{"syuukei"};           // tally screen
inline constexpr QLatin1String seiri{"seiri"};               // card organizing
inline constexpr QLatin1String bkup{"bkup"};                 // backup and restore
inline constexpr QLatin1String pw{"pw"};                     // administrator PIN
} // namespace screenword

// The first value of XP.Dat, the display style.
namespace stylewords {
inline constexpr QLatin1String xp{"xp"};         // themed desktop
inline constexpr QLatin1String sonota{"sonota"}; // classic desktop
} // namespace stylewords

// The values the main frame shares with every screen for the whole run.
struct Session {
    // Which working screen is in front: one of the screenword words; empty
    // before the punch-clock screen first opens and after the user closed it.
    QString screenWord;
    QString osKind;                                 // "XP", "Vista" or "NXP"
    QStringList displayStyle{QString(), QString()}; // the two values of XP.Dat
    QString storedPin;                              // scrambled PIN, empty when none
    QString pinRequester;                           // "syuukei", "seiri", "recorder"
    int startSecond = 0;
    int tickSecond = 0;
    QStringList suspendFlags{QString(), QString(), QString(), QString()}; // Cyuudanumu.Dat

    bool classicStyle() const { return displayStyle.value(0) != stylewords::xp; }
};
