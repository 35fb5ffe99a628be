#pragma once

// Finding the rhyme sounds of a search key in the word list itself, by the
// written tails of its lines.
#include "lexicon/WordList.h"

#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The exact sound of the first line whose written tail is the key, else of
// the first whose tail ends with it. A key with a blank is first cut to what
// follows its first blank; a key of 4 characters or more that finds nothing
// loses its first character and is tried again, three attempts at most.
// searchKey is left as the last attempt used it. "" when nothing fits.
QString FindExactSound(const WordList &words, QString &searchKey);

// The approximate sound of the first line whose written tail ends with the
// key; one pass, the key unchanged. "" when nothing fits.
QString FindApproxSound(const WordList &words, const QString &searchKey);

// The last endingLength characters of the key (all of it when shorter).
QString EndingKey(const QString &searchKey, int endingLength);

// Whether a written tail ends with the key (a shorter tail never does).
bool TailEndsWith(QStringView tail, QStringView key);

// Exact, case-sensitive equality of two fields. The scans call it for every
// line of the list, so it stays inline; it compares from the last character,
// where rhyme sounds and endings of neighbouring lines differ first.
inline bool SameText(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    const char16_t *left = a.utf16();
    const char16_t *right = b.utf16();
    for (qsizetype i = a.size(); i-- > 0;) {
        if (left[i] != right[i])
            return false;
    }
    return true;
}

// SameText of a stored field, read byte by byte as WordList::StoredChar,
// and a text: the scans compare the list as stored, without decoding it.
inline bool SameText(QByteArrayView stored, QStringView text)
{
    if (stored.size() != text.size())
        return false;
    const auto *bytes = reinterpret_cast<const unsigned char *>(stored.data());
    const char16_t *chars = text.utf16();
    for (qsizetype i = stored.size(); i-- > 0;) {
        if (WordList::StoredChar(bytes[i]) != chars[i])
            return false;
    }
    return true;
}

// TailEndsWith on a stored tail.
inline bool TailEndsWith(QByteArrayView tail, QStringView key)
{
    return tail.size() >= key.size() && SameText(tail.last(key.size()), key);
}

// Whether a stored field holds the text anywhere (QString::contains, case
// sensitive, on the stored bytes).
bool StoredTextContains(QByteArrayView stored, QStringView text);
