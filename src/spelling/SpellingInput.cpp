#include "spelling/SpellingInput.h"

namespace SpellingInput {

QString filter(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case 0x0153: result += QStringLiteral("oe"); break; // œ
        case 0x0152: result += QStringLiteral("OE"); break; // Œ
        case 0x00E6: result += QStringLiteral("ae"); break; // æ
        case 0x00C6: result += QStringLiteral("AE"); break; // Æ
        default:
            if (AllowedCharacters.contains(c))
                result += c;
        }
    }
    return result;
}

} // namespace SpellingInput
