#pragma once

// What the spelling dictionary window lets the user type: letters, the
// accented small letters of French, nothing else (no hyphen, no blank).
#include <QString>
#include <QStringView>

namespace SpellingInput {

inline const QString AllowedCharacters =
    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyzéèçàùâêîôûäëïöü");
// The box holds at most this many characters.
inline constexpr int MaxLength = 100;

// The ligatures become the two letters the spelling lists use ('cœur' is
// filed as 'coeur'), then every character outside the allowed ones goes.
QString filter(QStringView text);

} // namespace SpellingInput
