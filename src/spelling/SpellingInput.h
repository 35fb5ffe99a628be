#pragma once

// What the spelling dictionary window lets the user type: letters, the
// accented letters of French in small and capital forms, nothing else (no
// hyphen, no blank).
#include <QString>
#include <QStringView>

namespace SpellingInput {

inline const QString AllowedCharacters =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzéèçàùâêîôûäëïöüÉÈÇÀÙÂÊÎÔÛÄËÏÖÜ");
// The box holds at most this many characters.
inline constexpr int MaxLength = 100;

// The ligatures become the two letters the spelling lists use ('cœur' is
// filed as 'coeur'), then every character outside the allowed ones goes.
QString filter(QStringView text);

} // namespace SpellingInput
