#pragma once

// A headword as a key of the search's sets: a view of an entry's own text,
// hashed with a short multiply-and-xor loop. Headwords are a few letters
// long, and a search of a long list looks up thousands of them; Qt's string
// hash costs several times more here.
#include <QHashFunctions>
#include <QStringView>

struct HeadwordKey {
    QStringView text;

    friend bool operator==(HeadwordKey a, HeadwordKey b) noexcept { return a.text == b.text; }
};

inline size_t qHash(HeadwordKey key, size_t seed = 0) noexcept
{
    // FNV-1a over the UTF-16 units, started from the table's seed.
    quint64 hash = 0xcbf29ce484222325ull ^ seed;
    for (const QChar c : key.text)
        hash = (hash ^ c.unicode()) * 0x100000001b3ull;
    return size_t(hash ^ (hash >> 32));
}
