#include "search/RhymeGenre.h"

#include "lexicon/WordList.h"
#include "search/HeadwordKey.h"

#include <QList>

namespace {

bool isVowelLetter(QChar c)
{
    static const QString vowels = QStringLiteral(
        "aeiouy\u00E0\u00E2\u00E4\u00E9\u00E8\u00EA\u00EB\u00EE\u00EF\u00F4\u00F6\u00F9\u00FB\u00FC\u00FF\u0153\u00E6");
    return vowels.contains(c);
}

// Whether a vowel is heard before the final e. The u of "qu", and of "gu"
// before e or i, is only a spelling: 'que' has no vowel before its e, while
// 'fugue' and 'gusse' have one.
bool hasVowel(QStringView word, qsizetype stemLength)
{
    for (qsizetype i = 0; i < stemLength; ++i) {
        if (!isVowelLetter(word[i]))
            continue;
        const bool afterQ = i > 0 && word[i - 1] == QLatin1Char('q');
        const bool afterG = i > 0 && word[i - 1] == QLatin1Char('g') && i + 1 < word.size()
            && QStringView(u"ei\u00E9\u00E8\u00EAy").contains(word[i + 1]);
        if (word[i] != QLatin1Char('u') || !(afterQ || afterG))
            return true;
    }
    return false;
}

// The last word of an expression: what follows its last blank, hyphen or
// apostrophe ('porte-monnaie', 'à tue-tête', "aujourd'hui").
QStringView lastWord(QStringView headword)
{
    qsizetype start = headword.size();
    while (start > 0) {
        const QChar c = headword[start - 1];
        if (c == QLatin1Char(' ') || c == QLatin1Char('-') || c == QLatin1Char('\'') || c == QChar(0x2019))
            break;
        --start;
    }
    return headword.mid(start);
}

bool endsWithNasalVowel(QStringView sound)
{
    // In the sound notation a nasal vowel is "an", "in", "on"; an "n" heard
    // after an oral vowel is written "nn" ('canne' kann), so it never ends so.
    if (!sound.endsWith(QLatin1Char('n')) || sound.endsWith(QLatin1String("nn")))
        return false;
    return sound.endsWith(QLatin1String("an")) || sound.endsWith(QLatin1String("in"))
        || sound.endsWith(QLatin1String("on"));
}

bool isVerbLine(QStringView categories)
{
    for (const QStringView code : categories.split(QLatin1Char(';')))
        if (code == QLatin1String("VER"))
            return true;
    return false;
}

} // namespace

RhymeGenre RhymeGenreOf(QStringView headword, QStringView exactSound, QStringView categories)
{
    // Lowered only when it has a capital: most headwords have none.
    const QStringView last = lastWord(headword);
    QString lowered;
    QStringView word = last;
    if (HasCapital(last)) {
        lowered = last.toString().toLower();
        word = lowered;
    }
    // A mute e written with a diaeresis ('aiguë', 'ciguës') is still mute.
    auto mute = [](QChar c) { return c == QLatin1Char('e') || c == QChar(0x00EB); };

    qsizetype stemLength = -1;
    const qsizetype n = word.size();
    if (n >= 1 && mute(word[n - 1])) {
        stemLength = n - 1;
    } else if (n >= 2 && word.endsWith(QLatin1Char('s')) && mute(word[n - 2])) {
        stemLength = n - 2;
    } else if (word.endsWith(QLatin1String("ent"))) {
        if (word.endsWith(QLatin1String("aient")) || word == QLatin1String("soient"))
            return RhymeGenre::Masculine;
        // No verb ends a singular in -nent: 'ils donnent' is silent even
        // where the sound notation cannot tell its /n/ from a nasal vowel.
        const bool silent = exactSound.isEmpty() || word.endsWith(QLatin1String("nent"))
            ? isVerbLine(categories) : !endsWithNasalVowel(exactSound);
        if (silent)
            stemLength = n - 3;
    }
    if (stemLength < 0 || !hasVowel(word, stemLength))
        return RhymeGenre::Masculine;
    return RhymeGenre::Feminine;
}

RhymeGenre RhymeGenreOf(const WordList &words, int index)
{
    return RhymeGenreOf(words.headword(index), words.exactSoundText(index), words.categoriesText(index));
}

QString GenreName(RhymeGenre genre)
{
    return genre == RhymeGenre::Feminine ? QStringLiteral("f\u00E9minine") : QStringLiteral("masculine");
}

QString GenreKeyword(RhymeGenre genre)
{
    return genre == RhymeGenre::Feminine ? QStringLiteral("feminine") : QStringLiteral("masculine");
}

std::optional<RhymeGenre> GenreForCaption(const QString &caption)
{
    if (caption == GenreMasculineCaption)
        return RhymeGenre::Masculine;
    if (caption == GenreFeminineCaption)
        return RhymeGenre::Feminine;
    return std::nullopt;
}
