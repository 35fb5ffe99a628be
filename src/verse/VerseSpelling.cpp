#include "verse/VerseSpelling.h"

#include "verse/RhymeSound.h"

#include <QStringList>

namespace {
const QString VowelLetters = QStringLiteral("aeiouy\u00E0\u00E2\u00E4\u00E9\u00E8\u00EA\u00EB\u00EE\u00EF\u00F4\u00F6\u00F9\u00FB\u00FC\u0153\u00E6");

bool isConsonantLetter(QChar c) { return c.isLetter() && !IsVowelLetter(c); }

// The word without its mute ending.
QString withoutMuteEnding(const QString &w, bool verb)
{
    if (verb && w.size() > 3 && w.endsWith(QLatin1String("ent")))
        return w.chopped(3);
    if (w.size() > 2 && w.endsWith(QLatin1String("es")))
        return w.chopped(2);
    if (w.size() > 1 && w.endsWith(QLatin1Char('e')))
        return w.chopped(1);
    if (w == QLatin1String("e"))
        return {};
    return w;
}

// u after q or g is part of the consonant ("que", "guerre").
bool isSilentU(const QString &w, int i)
{
    if (w[i] != QLatin1Char('u') || i == 0)
        return false;
    if (w[i - 1] == QLatin1Char('q'))
        return true;
    return w[i - 1] == QLatin1Char('g') && i + 1 < w.size() && IsVowelLetter(w[i + 1]);
}

// Whether a vowel letter starts a syllable of its own after another vowel.
bool startsNewGroup(QChar previous, QChar current)
{
    static const QString marked = QStringLiteral("\u00EB\u00EF\u00FC");
    static const QString openE = QStringLiteral("\u00E9\u00E8\u00EA");
    if (marked.contains(current))
        return true;
    if (previous == QChar(0x00E9))
        return true;
    // "Booz", "zoologie".
    if (previous == QLatin1Char('o') && current == QLatin1Char('o'))
        return true;
    if (openE.contains(current) && (previous == QLatin1Char('a') || previous == QLatin1Char('o')))
        return true;
    return false;
}
} // namespace

bool IsVowelLetter(QChar c) { return VowelLetters.contains(c); }

MuteEnding MuteEndingOf(const QString &word, bool verb)
{
    const QString &w = word;
    auto afterVowel = [&](int cut) { return w.size() > cut && IsVowelLetter(w[w.size() - cut - 1]) && !(w.size() > cut + 1 && w[w.size() - cut - 1] == QLatin1Char('u') && (w[w.size() - cut - 2] == QLatin1Char('q') || w[w.size() - cut - 2] == QLatin1Char('g'))); };
    if (verb && w.size() > 3 && w.endsWith(QLatin1String("ent")))
        return afterVowel(3) ? MuteEnding::None : MuteEnding::Ent;
    // "es" alone is the verb, its e said [è]: not a mute ending.
    if (w.size() > 2 && w.endsWith(QLatin1String("es")))
        return afterVowel(2) ? MuteEnding::None : MuteEnding::Es;
    if (w.endsWith(QLatin1Char('e')))
        return afterVowel(1) ? MuteEnding::None : MuteEnding::E;
    return MuteEnding::None;
}

int SpellingSyllables(const QString &word, bool verb)
{
    const QString w = withoutMuteEnding(word, verb);
    int groups = 0;
    bool inGroup = false;
    QChar previous;
    for (int i = 0; i < w.size(); ++i) {
        const QChar c = w[i];
        if (!IsVowelLetter(c) || isSilentU(w, i)) {
            inGroup = false;
            continue;
        }
        if (!inGroup || startsNewGroup(previous, c))
            ++groups;
        inGroup = true;
        previous = c;
        // y between vowels is two i: "fu-yons", "pa-yer".
        if (c == QLatin1Char('y') && i > 0 && i + 1 < w.size() && IsVowelLetter(w[i + 1]))
            inGroup = false;
    }
    return groups;
}

int DiaeresisSpots(const QString &word)
{
    const QString w = withoutMuteEnding(word, false);
    int spots = 0;
    for (int i = 1; i + 1 < w.size(); ++i) {
        const QChar c = w[i];
        const QChar next = w[i + 1];
        if (!isConsonantLetter(w[i - 1]) || !IsVowelLetter(next))
            continue;
        // After a consonant and l or r the word list already counts it.
        if (i >= 2 && isConsonantLetter(w[i - 2]) && (w[i - 1] == QLatin1Char('l') || w[i - 1] == QLatin1Char('r')))
            continue;
        if (c == QLatin1Char('i')) {
            ++spots;
        } else if (c == QLatin1Char('u') && !isSilentU(w, i)) {
            if (next != QLatin1Char('i') || w.startsWith(QLatin1String("ruin")) || w.contains(QLatin1String("bruin")))
                ++spots;
        }
    }
    return spots;
}

bool DiaeresisPreferred(const QString &word)
{
    static const QStringList glidingIeux = {QStringLiteral("dieux"), QStringLiteral("lieux"), QStringLiteral("mieux"),
                                            QStringLiteral("cieux"), QStringLiteral("vieux"), QStringLiteral("yeux"),
                                            QStringLiteral("essieux"), QStringLiteral("adieux"), QStringLiteral("milieux")};
    const QString w = word;
    if (w.endsWith(QLatin1String("ion")) || w.endsWith(QLatin1String("ions")))
        return w.size() > 3 && isConsonantLetter(w[w.size() - (w.endsWith(QLatin1Char('s')) ? 5 : 4)]);
    if ((w.endsWith(QLatin1String("ieux")) || w.endsWith(QLatin1String("ieuse")) || w.endsWith(QLatin1String("ieuses")))
        && !glidingIeux.contains(w))
        return true;
    if (w.startsWith(QLatin1String("vio")) || w.startsWith(QLatin1String("dia")) || w.startsWith(QLatin1String("ruin")) || w.startsWith(QLatin1String("nu\u00E9")) || w.startsWith(QLatin1String("lion")))
        return true;
    // "hi-er" since the classical age; "avant-hier" keeps it in one.
    if (w == QLatin1String("hier"))
        return true;
    return false;
}

namespace {
struct Rule {
    const char *letters;
    const char *sound;   // notation tokens separated by blanks; empty: silent
};

bool nasalAt(const QString &w, int after)
{
    // A vowel + n/m is nasal before a consonant or at the end.
    // '#' stands for the mute e the caller took off.
    return after >= w.size() || (!IsVowelLetter(w[after]) && w[after] != QLatin1Char('#') && w[after] != QLatin1Char('n') && w[after] != QLatin1Char('m'));
}

QStringList spellPhonemes(const QString &w, bool mute)
{
    static const Rule rules[] = {
        {"eaux", "o"}, {"eau", "o"}, {"aux", "o"}, {"ain", "in"}, {"aim", "in"}, {"ein", "in"}, {"oin", "w in"},
        {"ien", "\u00EF in"}, {"au", "o"}, {"ou", "ou"}, {"o\u00F9", "ou"}, {"oi", "w a"}, {"oy", "w a \u00EF"},
        {"ai", "\u00E9"}, {"ei", "\u00E9"}, {"ay", "\u00E9 \u00EF"}, {"\u0153u", "eu"}, {"eu", "eu"}, {"\u0153", "eu"},
        {"an", "an"}, {"am", "an"}, {"en", "an"}, {"em", "an"}, {"on", "on"}, {"om", "on"}, {"in", "in"},
        {"im", "in"}, {"yn", "in"}, {"un", "in"}, {"um", "in"}, {"ch", "ch"}, {"gn", "gn"}, {"ph", "f"},
        {"qu", "k"}, {"gu", "g"}, {"th", "t"}, {"ill", "\u00EF"}, {"ss", "s"}, {"ll", "l"}, {"tt", "t"},
        {"rr", "r"}, {"mm", "m"}, {"nn", "n"}, {"pp", "p"}, {"ff", "f"}, {"cc", "k"},
    };
    QStringList out;
    int i = 0;
    while (i < w.size()) {
        bool matched = false;
        for (const Rule &rule : rules) {
            const QString letters = QString::fromUtf8(rule.letters);
            if (!QStringView(w).mid(i).startsWith(letters))
                continue;
            const QChar last = letters.back();
            if ((last == QLatin1Char('n') || last == QLatin1Char('m')) && letters.size() == 2 && IsVowelLetter(letters.front()) && !nasalAt(w, i + 2))
                continue;
            if ((letters == QLatin1String("ain") || letters == QLatin1String("ein") || letters == QLatin1String("oin")
                 || letters == QLatin1String("ien") || letters == QLatin1String("aim")) && !nasalAt(w, i + 3))
                continue;
            if (letters == QLatin1String("ill") && (i == 0 || !IsVowelLetter(w[i - 1])))
                continue;
            out += QString::fromUtf8(rule.sound).split(QLatin1Char(' '), Qt::SkipEmptyParts);
            i += letters.size();
            matched = true;
            break;
        }
        if (matched)
            continue;
        const QChar c = w[i];
        const QChar next = i + 1 < w.size() ? w[i + 1] : QChar();
        const bool last = i + 1 == w.size();
        QString sound;
        switch (c.unicode()) {
        case 'a': case 0xE0: case 0xE2: case 0xE4: sound = QStringLiteral("a"); break;
        case 0xE9: case 0xE8: case 0xEA: case 0xEB: sound = QStringLiteral("\u00E9"); break;
        case 'e':
            sound = (i + 2 < w.size() && !IsVowelLetter(next) && !IsVowelLetter(w[i + 2])) || (last || (i + 2 == w.size() && !mute))
                ? QStringLiteral("\u00E9") : QStringLiteral("eu");
            if (last && !mute)
                sound = QStringLiteral("eu");
            break;
        case 'i': case 0xEE: case 0xEF: case 'y':
            sound = IsVowelLetter(next) && i > 0 ? QStringLiteral("\u00EF") : QStringLiteral("i"); break;
        case 'o': case 0xF4: case 0xF6: sound = QStringLiteral("o"); break;
        case 'u': case 0xF9: case 0xFB: case 0xFC: sound = QStringLiteral("u"); break;
        case 'c': sound = (next == QLatin1Char('e') || next == QLatin1Char('i') || next == QLatin1Char('y')) ? QStringLiteral("s") : QStringLiteral("k"); break;
        case 0xE7: sound = QStringLiteral("s"); break;
        case 'g': sound = (next == QLatin1Char('e') || next == QLatin1Char('i') || next == QLatin1Char('y')) ? QStringLiteral("j") : QStringLiteral("g"); break;
        case 's': sound = (i > 0 && IsVowelLetter(w[i - 1]) && (IsVowelLetter(next) || next == QLatin1Char('#'))) ? QStringLiteral("z") : QStringLiteral("s"); break;
        case 'x': sound = QStringLiteral("ks"); break;
        case 'h': break;
        case 'j': sound = QStringLiteral("j"); break;
        case 'q': case 'k': sound = QStringLiteral("k"); break;
        case 'w': sound = QStringLiteral("w"); break;
        default:
            if (c.isLetter())
                sound = QString(c);
        }
        if (c == QLatin1Char('x')) {
            out << QStringLiteral("k") << QStringLiteral("s");
        } else if (!sound.isEmpty()) {
            out << sound;
        }
        ++i;
    }
    return out;
}

// Final consonants a French spelling leaves silent when no mute e follows.
QString withoutSilentEnd(QString w)
{
    static const QStringList spokenEr = {QStringLiteral("mer"), QStringLiteral("fer"), QStringLiteral("hier"),
                                         QStringLiteral("cher"), QStringLiteral("enfer"), QStringLiteral("amer"),
                                         QStringLiteral("fier"), QStringLiteral("hiver"), QStringLiteral("ver"),
                                         QStringLiteral("tiers"), QStringLiteral("fiers"), QStringLiteral("vers")};
    if (w.size() > 2 && (w.endsWith(QLatin1String("er")) || w.endsWith(QLatin1String("ers"))) && !spokenEr.contains(w)
        && !w.endsWith(QLatin1String("ver")))
        return w.left(w.lastIndexOf(QLatin1String("er"))) + QChar(0x00E9);
    if (w.endsWith(QLatin1String("ez")))
        return w.chopped(2) + QChar(0x00E9);
    if (w.endsWith(QLatin1String("et")) || w.endsWith(QLatin1String("ets")))
        return w.left(w.lastIndexOf(QLatin1String("et"))) + QChar(0x00E8);
    while (w.size() > 1 && QStringLiteral("stdxzpg").contains(w.back()) && !IsVowelLetter(w.back()))
        w.chop(1);
    if (w.size() > 1 && w.endsWith(QLatin1Char('c')) && (w.endsWith(QLatin1String("nc"))))
        w.chop(1);
    return w;
}
} // namespace

SpelledSound SpellingSound(const QString &word)
{
    const MuteEnding ending = MuteEndingOf(word, false);
    QString w = word;
    const bool mute = ending != MuteEnding::None || w.endsWith(QLatin1Char('e'));
    if (ending == MuteEnding::Es)
        w.chop(2);
    else if (w.endsWith(QLatin1Char('e')) && w.size() > 1)
        w.chop(1);
    else if (w.endsWith(QLatin1String("es")) && w.size() > 2)
        w.chop(2);
    if (!mute)
        w = withoutSilentEnd(w);
    const QStringList phonemes = spellPhonemes(mute ? w + QLatin1Char('#') : w, mute);
    return {RhymeKey(phonemes, 3), RhymeKey(phonemes, 2)};
}
