#include "verse/RhymeSound.h"

namespace {
const QStringList VowelPhonemes = {QStringLiteral("a"), QStringLiteral("\u00E9"), QStringLiteral("i"),
                                   QStringLiteral("o"), QStringLiteral("ou"), QStringLiteral("u"),
                                   QStringLiteral("eu"), QStringLiteral("an"), QStringLiteral("on"),
                                   QStringLiteral("in")};
const QStringList TwoLetterPieces = {QStringLiteral("ou"), QStringLiteral("eu"), QStringLiteral("an"),
                                     QStringLiteral("on"), QStringLiteral("in"), QStringLiteral("ch"),
                                     QStringLiteral("gn"), QStringLiteral("ng"), QStringLiteral("nn"),
                                     QStringLiteral("gg")};
} // namespace

bool IsVowelPhoneme(const QString &phoneme) { return VowelPhonemes.contains(phoneme); }

QStringList SoundPhonemes(const QString &key)
{
    QStringList out;
    int i = 0;
    while (i < key.size()) {
        const QString two = key.mid(i, 2);
        // An oral vowel before "nn" or "gg" stands alone: "ann" is a + n.
        const bool beforeDouble = key.mid(i + 1, 2) == QLatin1String("nn") || key.mid(i + 1, 2) == QLatin1String("gg");
        if (two.size() == 2 && TwoLetterPieces.contains(two) && !(beforeDouble && (two.back() == QLatin1Char('n') || two.back() == QLatin1Char('g')))) {
            out << (two == QLatin1String("nn") ? QStringLiteral("n") : two == QLatin1String("gg") ? QStringLiteral("g") : two);
            i += 2;
        } else {
            out << key.mid(i, 1);
            ++i;
        }
    }
    // The vowel u before a vowel is the glide.
    for (int k = 0; k + 1 < out.size(); ++k) {
        if (out[k] == QLatin1String("u") && IsVowelPhoneme(out[k + 1]))
            out[k] = QStringLiteral("\u0265");
    }
    return out;
}

QStringList RhymePart(const QStringList &phonemes)
{
    for (int i = int(phonemes.size()) - 1; i >= 0; --i) {
        if (IsVowelPhoneme(phonemes[i]))
            return phonemes.mid(i);
    }
    return phonemes;
}

QString RhymeKey(const QStringList &phonemes, int n)
{
    QStringList tail = RhymePart(phonemes);
    if (tail.size() < n)
        tail = phonemes.mid(qMax(0, int(phonemes.size()) - n));
    QString key;
    for (const QString &p : tail) {
        if (p == QLatin1String("n") && !key.isEmpty() && QStringLiteral("a\u00E9iouy").contains(key.back())
            && !(key.endsWith(QLatin1String("an")) || key.endsWith(QLatin1String("on")) || key.endsWith(QLatin1String("in"))))
            key += QStringLiteral("nn");
        else
            key += p == QLatin1String("\u0265") ? QStringLiteral("u") : p;
    }
    return key;
}

int SharedFromEnd(const QStringList &a, const QStringList &b)
{
    int n = 0;
    while (n < a.size() && n < b.size() && a[a.size() - 1 - n] == b[b.size() - 1 - n])
        ++n;
    return n;
}
