#pragma once

// The help texts of the options window's "Plus d'info" icons, one for each
// check box in the order ChkOpt, ChkDoub, ChkMess, ChkOrtho, ChkPM, ChkAlpha,
// ChkSansAttente.
#include <QString>

namespace OptionHelp {
inline constexpr int Count = 8;
// Lines joined by CR LF; an empty string for an index without a text.
QString text(int index);
} // namespace OptionHelp
