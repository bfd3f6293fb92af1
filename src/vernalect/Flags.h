#pragma once
// The fifteen language flags of the changer, drawn here (170 x 32 pixels each), and the
// pattern that dims the flag of a language that is not installed.
#include <QPixmap>
#include <QString>

namespace vernalect {

inline constexpr int kFlagCount = 15;
inline constexpr int kFlagWidth = 170, kFlagHeight = 32;

// The language name of flag `index` (0 "US English" .. 14 "Chinese"): the flag's Tag.
QString FlagLanguage(int index);
// The flag picture of `index`.
QPixmap DrawFlag(int index);
// The picture dimmed: every other pixel, in a checked pattern, black.
QPixmap DimFlag(const QPixmap& flag);

}  // namespace vernalect
