#pragma once

#include <QLatin1String>

// The words Kijyun.Dat stores, spelled once. Compare and write settings
// through these, never through literals of their own.
namespace storedword {

// Setting 3, the year style.
inline constexpr QLatin1String seireki{"seireki"}; // western years
inline constexpr QLatin1String wareki{"wareki"};   // era years

// Setting 13, the pay period kind.
inline constexpr QLatin1String getumatusime{"getumatusime"}; // first to last day
inline constexpr QLatin1String nijuusime{"20sime"};          // 21st to the 20th
inline constexpr QLatin1String sonota{"sonota"};             // start day to end day

// Setting 14, the month a "sonota" period counts for.
inline constexpr QLatin1String tougetu{"tougetu"};   // the month the period starts in
inline constexpr QLatin1String yokugetu{"yokugetu"}; // the month after it

} // namespace storedword
