#pragma once

// The main window's design geometry in pixels (the frame lines follow rules
// in twips). The design size is also the smallest size of the window: when
// it grows, the three lists take the extra room, the details panel the
// extra width, and the button row and the options panel stay as designed,
// centred.
namespace MainGeometry {
inline constexpr int kWidth = 780;
inline constexpr int kStripHeight = 30;
inline constexpr int kButtonTop = 38, kButtonHeight = 26, kButtonGap = 8, kButtonCount = 7;
inline constexpr int kDetailsTop = 72, kDetailsHeight = 60;
inline constexpr int kHeaderTwips = 2030;
inline constexpr int kListHeaderTop = 140, kCountTop = 158, kListTop = 176, kListHeight = 222;
inline constexpr int kColumnLeft[3] = {8, 265, 522};
inline constexpr int kColumnWidth = 250;
inline constexpr int kColumnGap = 7;
inline constexpr int kParamTop = 406;
inline constexpr int kGroupTop = 8, kGroupBottom = 240;
// The picture buttons at the right of the title strip, from the right edge.
inline constexpr int kCloseFromRight = 25, kMaximiseFromRight = 45, kMinimiseFromRight = 65;
} // namespace MainGeometry
