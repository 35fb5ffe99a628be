#include "search/SoundLookup.h"

#include "lexicon/WordList.h"

#include <algorithm>

bool TailEndsWith(QStringView tail, QStringView key)
{
    return tail.size() >= key.size() && SameText(tail.right(key.size()), key);
}

bool StoredTextContains(QByteArrayView stored, QStringView text)
{
    if (text.isEmpty())
        return true;
    for (qsizetype from = 0; from + text.size() <= stored.size(); ++from) {
        if (SameText(stored.sliced(from, text.size()), text))
            return true;
    }
    return false;
}

namespace {

// The first line whose written tail is the key, else -1.
int firstTailEqualTo(const WordList &words, QStringView key)
{
    return WordList::Scan(words, WordList::Column::WrittenTail, key, WordList::Match::Equal).next();
}

// The first line whose written tail ends with the key, else -1.
int firstTailEndingWith(const WordList &words, QStringView key)
{
    return WordList::Scan(words, WordList::Column::WrittenTail, key, WordList::Match::EndsWith).next();
}

} // namespace

QString FindExactSound(const WordList &words, QString &searchKey)
{
    const qsizetype blank = searchKey.indexOf(QLatin1Char(' '));
    if (blank >= 0)
        searchKey = searchKey.mid(blank + 1);

    // An empty key (a typed word ending with a hyphen) would end every tail
    // and pick the sound of the first line: it finds nothing instead.
    for (int shortenings = 0; !searchKey.isEmpty(); ++shortenings) {
        int found = firstTailEqualTo(words, searchKey);
        if (found < 0)
            found = firstTailEndingWith(words, searchKey);
        if (found >= 0)
            return words.exactSoundText(found);
        if (shortenings >= 2 || searchKey.size() < 4)
            break;
        searchKey.remove(0, 1);
    }
    return {};
}

QString FindApproxSound(const WordList &words, const QString &searchKey)
{
    if (searchKey.isEmpty())
        return {};
    const int found = firstTailEndingWith(words, searchKey);
    return found >= 0 ? words.approxSoundText(found) : QString();
}

QString EndingKey(const QString &searchKey, int endingLength)
{
    return searchKey.right(std::clamp(endingLength, 2, 5));
}
