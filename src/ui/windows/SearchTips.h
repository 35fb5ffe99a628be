#pragma once

// The fixed advice of the search tips window: five tips, each a title and a
// body of lines.
#include <QString>
#include <array>

namespace SearchTips {
inline constexpr int Count = 5;

struct Tip {
    QString title;
    // Lines joined by CR LF, with a line break after the last one.
    QString body;
};

// By index (the controls' index, not the display order).
const Tip &tip(int index);

// The indexes top to bottom: the spelling checker comes before the rhyme
// categories.
inline constexpr std::array<int, Count> DisplayOrder {0, 1, 2, 4, 3};
} // namespace SearchTips
