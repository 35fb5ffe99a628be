#include "synonyms/SearchHistory.h"

#include "lexicon/TextCodec.h"

#include <algorithm>

namespace {
// Characters outside Windows-1252 sort after every one of its codes.
int sortCode(QChar c)
{
    const int code = TextCodec::windows1252Code(c);
    return code < 0 ? 0x100 + c.unicode() : code;
}
} // namespace

bool windows1252Less(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const int ca = sortCode(a[i]);
        const int cb = sortCode(b[i]);
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

void TriAlpha(QStringList &words)
{
    std::sort(words.begin(), words.end(),
              [](const QString &a, const QString &b) { return windows1252Less(a, b); });
}

SearchHistory::Outcome SearchHistory::add(const QString &word)
{
    if (m_sorted.isEmpty()) {
        m_sorted.append(word);
        m_byAge.append(word);
        return Outcome::First;
    }
    if (m_sorted.contains(word))
        return Outcome::Known;
    if (m_byAge.size() >= Capacity)
        m_sorted.removeOne(m_byAge.takeFirst());
    m_byAge.append(word);
    m_sorted.append(word);
    TriAlpha(m_sorted);
    return Outcome::Added;
}
