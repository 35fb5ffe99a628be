#pragma once

// Which block of the synonyms dictionary a typed word is looked for in, and
// which accents are folded so that "ecl" also finds "éclat": chosen by the
// first character of the lower-case word. Words starting with "î", "û",
// "ë", a digit and so on select no block.
#include <QChar>
#include <QString>
#include <QStringView>
#include <array>
#include <optional>
#include <utility>

struct BlockFold {
    int blockIndex = -1; // 0 for A ... 25 for Z
    std::array<std::pair<QChar, QChar>, 3> replacements {};
    int replacementCount = 0;

    // One character with the replacements applied in order, each on the
    // result of the one before.
    QChar apply(QChar c) const
    {
        for (int i = 0; i < replacementCount; ++i) {
            if (c == replacements[i].first)
                c = replacements[i].second;
        }
        return c;
    }
    // A whole text, character by character (every replacement is one
    // character for one, so this equals replacing each in turn).
    QString apply(QStringView text) const;
};

std::optional<BlockFold> blockFoldFor(QChar firstCharacter);
