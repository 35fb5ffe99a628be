#pragma once

// A headword as a key of the search's sets: a view of an entry's own text,
// hashed with a short multiply-and-xor loop. Headwords are a few letters
// long, and a search of a long list looks up thousands of them; Qt's string
// hash costs several times more here.
#include <QHashFunctions>
#include <QStringView>

#include <algorithm>

struct HeadwordKey {
    QStringView text;

    friend bool operator==(HeadwordKey a, HeadwordKey b) noexcept { return a.text == b.text; }
};

// Whether a text has a capital, so that lowering it would change it: most
// headwords have none, and are then used as they are.
inline bool HasCapital(QStringView text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) {
        return c.unicode() < 0x80 ? c >= QLatin1Char('A') && c <= QLatin1Char('Z') : c != c.toLower();
    });
}

inline size_t qHash(HeadwordKey key, size_t seed = 0) noexcept
{
    // FNV-1a over the UTF-16 units, started from the table's seed.
    quint64 hash = 0xcbf29ce484222325ull ^ seed;
    for (const QChar c : key.text)
        hash = (hash ^ c.unicode()) * 0x100000001b3ull;
    return size_t(hash ^ (hash >> 32));
}
