#include "verse/LineScansion.h"

#include "verse/PoemPass.h"

#include "verse/RhymeSound.h"
#include "verse/VerseLexicon.h"
#include "verse/VerseSpelling.h"

#include <QSet>
#include <algorithm>

namespace {
// One word of the line as written, before it is counted.
struct Piece {
    QString text;     // as written
    QString form;     // lower case, typographic apostrophe made plain
    int start = 0;
    bool elidedPrefix = false;   // "l'", "qu'": no syllable of its own
    bool hyphenBefore = false;   // joined to the previous word by a hyphen
};

bool isWordChar(QChar c) { return c.isLetter(); }
bool isApostrophe(QChar c) { return c == QLatin1Char('\'') || c == QChar(0x2019); }

QString normalForm(QString s)
{
    s = s.toLower();
    s.replace(QChar(0x2019), QLatin1Char('\''));
    return s;
}

// Splits a run of letters, apostrophes and hyphens into the words verse counts.
void splitRun(const VerseLexicon &lexicon, const QString &line, int start, int end, QList<Piece> &out)
{
    const QString run = line.mid(start, end - start);
    if (lexicon.contains(normalForm(run))) {
        out.append({run, normalForm(run), start, false, false});
        return;
    }
    int pieceStart = 0;
    bool hyphen = false;
    for (int i = 0; i <= run.size(); ++i) {
        const bool atEnd = i == run.size();
        const QChar c = atEnd ? QChar() : run[i];
        if (!atEnd && !isApostrophe(c) && c != QLatin1Char('-'))
            continue;
        if (!atEnd && isApostrophe(c)) {
            // "aujourd'hui", "presqu'île": the word list holds the whole.
            const int next = run.indexOf(QLatin1Char('-'), i);
            const QString whole = run.mid(pieceStart, (next < 0 ? run.size() : next) - pieceStart);
            if (lexicon.contains(normalForm(whole))) {
                out.append({whole, normalForm(whole), start + pieceStart, false, hyphen});
                i = pieceStart + int(whole.size()) - 1;
                pieceStart = i + 1;
                hyphen = false;
                continue;
            }
            const QString text = run.mid(pieceStart, i + 1 - pieceStart);
            if (text.size() > 1)
                out.append({text, normalForm(text), start + pieceStart, true, hyphen});
            pieceStart = i + 1;
            hyphen = false;
            continue;
        }
        const QString text = run.mid(pieceStart, i - pieceStart);
        if (!text.isEmpty())
            out.append({text, normalForm(text), start + pieceStart, false, hyphen});
        pieceStart = i + 1;
        hyphen = !atEnd;
    }
}

QList<Piece> splitLine(const VerseLexicon &lexicon, const QString &line)
{
    QList<Piece> pieces;
    int i = 0;
    while (i < line.size()) {
        if (!isWordChar(line[i])) {
            ++i;
            continue;
        }
        int end = i;
        while (end < line.size() && (isWordChar(line[end])
               || ((isApostrophe(line[end]) || line[end] == QLatin1Char('-')) && end + 1 < line.size() && isWordChar(line[end + 1]))
               || (isApostrophe(line[end]) && end > i)))
            ++end;
        splitRun(lexicon, line, i, end, pieces);
        i = end;
    }
    return pieces;
}

bool startsWithVowelSound(const VerseLexicon &lexicon, const QString &form)
{
    static const QSet<QString> consonantLike = {QStringLiteral("onze"), QStringLiteral("onzi\u00E8me"),
                                                QStringLiteral("oui"), QStringLiteral("ouistiti"),
                                                QStringLiteral("yacht"), QStringLiteral("yole")};
    if (form.isEmpty())
        return false;
    if (form.front() == QLatin1Char('h'))
        return !lexicon.hasAspiratedH(form);
    return IsVowelLetter(form.front()) && !consonantLike.contains(form);
}

// Whether the word ends on a spoken vowel whose meeting with a vowel is a
// hiatus. "et" is one: its t is never sounded.
bool endsOnSpokenVowel(const QString &form)
{
    static const QSet<QString> tolerated = {QStringLiteral("\u00F4"), QStringLiteral("o"), QStringLiteral("oh"),
                                            QStringLiteral("ah"), QStringLiteral("ha"), QStringLiteral("eh"),
                                            QStringLiteral("h\u00E9"), QStringLiteral("ho"), QStringLiteral("y"),
                                            QStringLiteral("oui")};
    if (form == QLatin1String("et"))
        return true;
    if (form.isEmpty() || tolerated.contains(form))
        return false;
    const QChar last = form.back();
    return IsVowelLetter(last) && last != QLatin1Char('e');
}

// One reading of a word: its count at a line end and its mute ending.
struct Reading {
    int base = 0;
    MuteEnding ending = MuteEnding::None;
    bool operator==(const Reading &) const = default;
};

struct WordFacts {
    QList<Reading> readings;   // preferred first
    bool known = false;
};

WordFacts factsOf(const VerseLexicon &lexicon, const Piece &piece)
{
    WordFacts facts;
    if (piece.elidedPrefix) {
        // "l'", "qu'" have none of their own; "puisqu'", "jusqu'" keep one.
        facts.readings = {{SpellingSyllables(piece.form.chopped(1), false), MuteEnding::None}};
        return facts;
    }
    const QString &form = piece.form;
    // The pronoun, not the name of the letter the list also holds.
    if (form == QLatin1String("y")) {
        facts.readings = {{1, MuteEnding::None}};
        facts.known = true;
        return facts;
    }
    const QList<VerseEntry> entries = lexicon.entries(form);
    facts.known = !entries.isEmpty();
    // Each line of the list is read with its own ending: the noun "couvent"
    // keeps its -ent, the verb "couvent" has it mute.
    for (const VerseEntry &entry : entries) {
        const bool silentEnt = entry.genre == RhymeGenre::Feminine && form.endsWith(QLatin1String("ent"));
        const MuteEnding ending = MuteEndingOf(form, silentEnt);
        Reading reading {SpellingSyllables(form, silentEnt) == 0 && ending != MuteEnding::None ? 0 : entry.syllables, ending};
        if (!facts.readings.contains(reading))
            facts.readings.append(reading);
    }
    if (facts.readings.isEmpty()) {
        const MuteEnding ending = MuteEndingOf(form, false);
        facts.readings = {{SpellingSyllables(form, false), ending}};
    }
    const int spelled = SpellingSyllables(form, facts.readings.front().ending == MuteEnding::Ent);
    const int spots = DiaeresisSpots(form);
    if (spots > 0 && facts.readings.size() == 1 && spelled > 0) {
        const Reading first = facts.readings.front();
        const Reading other {first.base > spelled ? first.base - 1 : first.base + 1, first.ending};
        const bool longFirst = DiaeresisPreferred(form);
        facts.readings = (longFirst == (other.base > first.base)) ? QList<Reading> {other, first} : QList<Reading> {first, other};
    }
    return facts;
}

QSet<int> sumsOf(const QList<ScannedWord> &words)
{
    QSet<int> sums {0};
    for (const ScannedWord &word : words) {
        QSet<int> next;
        for (int s : sums)
            for (int c : word.counts)
                next.insert(s + c);
        sums = next;
    }
    return sums;
}

void fillRhyme(const VerseLexicon &lexicon, const QList<Piece> &pieces, LineScan &scan)
{
    static const QSet<QString> clitics = {QStringLiteral("je"), QStringLiteral("tu"), QStringLiteral("il"),
                                          QStringLiteral("elle"), QStringLiteral("on"), QStringLiteral("nous"),
                                          QStringLiteral("vous"), QStringLiteral("ils"), QStringLiteral("elles"),
                                          QStringLiteral("le"), QStringLiteral("la"), QStringLiteral("les"),
                                          QStringLiteral("moi"), QStringLiteral("toi"), QStringLiteral("ce"),
                                          QStringLiteral("y"), QStringLiteral("en"), QStringLiteral("lui"),
                                          QStringLiteral("leur"), QStringLiteral("t")};
    if (pieces.isEmpty())
        return;
    int last = int(pieces.size()) - 1;
    const Piece &end = pieces[last];
    const bool clitic = end.hyphenBefore && last > 0 && clitics.contains(end.form);
    scan.rhymeWord = clitic ? pieces[last - 1].text + QLatin1Char('-') + end.text : end.text;
    scan.plural = !clitic && (end.form.endsWith(QLatin1Char('s')) || end.form.endsWith(QLatin1Char('x')) || end.form.endsWith(QLatin1Char('z')));

    // "dis-je", "est-ce": the mute e after the verb makes a feminine rhyme on
    // the verb's sound followed by the clitic's consonant.
    const bool muteClitic = clitic && (end.form == QLatin1String("je") || end.form == QLatin1String("ce"));
    const Piece &soundPiece = muteClitic ? pieces[last - 1] : end;
    const QList<VerseEntry> entries = lexicon.entries(soundPiece.form);
    QStringList phonemes;
    if (!entries.isEmpty()) {
        scan.exactSound = entries.front().exactSound;
        scan.approxSound = entries.front().approxSound;
        scan.categories = entries.front().categories;
        scan.genre = entries.front().genre;
    } else {
        const SpelledSound sound = SpellingSound(soundPiece.form);
        scan.exactSound = sound.exact;
        scan.approxSound = sound.approx;
        scan.genre = RhymeGenreOf(soundPiece.form, scan.exactSound, QString());
    }
    if (muteClitic) {
        phonemes = SoundPhonemes(scan.exactSound);
        phonemes << (end.form == QLatin1String("je") ? QStringLiteral("j") : QStringLiteral("s"));
        scan.exactSound = RhymeKey(phonemes, 3);
        scan.approxSound = RhymeKey(phonemes, 2);
        scan.genre = RhymeGenre::Feminine;
    }
    scan.soundPhonemes = SoundPhonemes(scan.exactSound);
    const QStringList part = RhymePart(scan.soundPhonemes);
    scan.lastVowel = part.isEmpty() ? QString() : part.front();
    scan.rhymeKey = RhymeKeyOf(scan);
}
} // namespace

LineScan ScanLine(const VerseLexicon &lexicon, const QString &text)
{
    LineScan scan;
    scan.text = text;
    const QList<Piece> pieces = splitLine(lexicon, text);
    QList<WordFacts> facts;
    facts.reserve(pieces.size());
    for (const Piece &piece : pieces)
        facts.append(factsOf(lexicon, piece));

    for (int i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        const WordFacts &f = facts[i];
        ScannedWord word;
        word.text = piece.text;
        word.start = piece.start;
        word.known = f.known;
        const bool lineEnd = i + 1 == pieces.size();
        const bool vowelNext = !lineEnd && startsWithVowelSound(lexicon, pieces[i + 1].form);
        for (const Reading &reading : f.readings) {
            int extra = 0;
            switch (reading.ending) {
            case MuteEnding::None: break;
            case MuteEnding::E:
                if (!lineEnd && !vowelNext)
                    extra = 1;
                word.elided = word.elided || vowelNext;
                break;
            case MuteEnding::Es:
            case MuteEnding::Ent:
                extra = lineEnd ? 0 : 1;
                break;
            }
            // "dis-le", "prends-le": the pronoun at the end is stressed.
            const bool stressedLe = lineEnd && piece.hyphenBefore && piece.form == QLatin1String("le");
            if (stressedLe)
                extra = 1;
            word.muteCounted = word.muteCounted || (extra > 0 && !stressedLe);
            if (!word.counts.contains(reading.base + extra))
                word.counts.append(reading.base + extra);
        }
        word.chosen = word.counts.front();
        if (!lineEnd && vowelNext && !piece.elidedPrefix && endsOnSpokenVowel(piece.form)
            && !pieces[i + 1].hyphenBefore && f.readings.front().ending == MuteEnding::None)
            scan.hiatusAt.append(i);
        scan.words.append(word);
    }
    const QSet<int> sums = sumsOf(scan.words);
    scan.possibleCounts = QList<int>(sums.begin(), sums.end());
    std::sort(scan.possibleCounts.begin(), scan.possibleCounts.end());
    for (const ScannedWord &word : scan.words)
        scan.syllables += word.chosen;
    fillRhyme(lexicon, pieces, scan);
    return scan;
}
