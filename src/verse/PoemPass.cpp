#include "verse/PoemPass.h"

#include "verse/RhymeSound.h"

#include <QHash>
#include <algorithm>
#include <map>

namespace {
// Lines of one sound share a letter across the whole poem, as a prosody
// manual letters a fable or a sonnet whose quatrains repeat their rhymes.

void numberStanzas(QList<PoemLine> &lines)
{
    int stanza = 0;
    bool inStanza = false;
    for (PoemLine &line : lines) {
        if (line.scan.blank()) {
            if (inStanza)
                ++stanza;
            inStanza = false;
            line.stanza = -1;
        } else {
            line.stanza = stanza;
            inStanza = true;
        }
    }
}

// The word readings as the overrides leave them.
QList<QList<int>> readingsOf(const PoemLine &line, int index, const VerseOverrides &overrides)
{
    QList<QList<int>> readings;
    for (int w = 0; w < line.scan.words.size(); ++w) {
        const auto found = overrides.constFind({index, w});
        readings.append(found != overrides.constEnd() ? QList<int> {found.value()} : line.scan.words[w].counts);
    }
    return readings;
}

int preferredTotal(const QList<QList<int>> &readings)
{
    int total = 0;
    for (const QList<int> &r : readings)
        total += r.front();
    return total;
}

// The readings reaching total with the fewest words off their preferred
// reading; empty when none does.
std::optional<QList<int>> readingsFor(const QList<QList<int>> &readings, int total)
{
    if (std::all_of(readings.begin(), readings.end(), [](const QList<int> &r) { return r.size() == 1; })) {
        QList<int> fronts;
        fronts.reserve(readings.size());
        for (const QList<int> &r : readings)
            fronts.append(r.front());
        return preferredTotal(readings) == total ? std::optional<QList<int>>(fronts) : std::nullopt;
    }
    // best[sum] = (changes, choices)
    std::map<int, std::pair<int, QList<int>>> best {{0, {0, {}}}};
    for (const QList<int> &r : readings) {
        std::map<int, std::pair<int, QList<int>>> next;
        for (const auto &[sum, state] : best) {
            for (int k = 0; k < r.size(); ++k) {
                const int s = sum + r[k];
                const int changes = state.first + (k == 0 ? 0 : 1);
                auto it = next.find(s);
                if (it == next.end() || it->second.first > changes) {
                    QList<int> choice = state.second;
                    choice.append(r[k]);
                    next[s] = {changes, choice};
                }
            }
        }
        best = std::move(next);
    }
    const auto it = best.find(total);
    if (it == best.end())
        return std::nullopt;
    return it->second.second;
}

QList<int> sumsOf(const QList<QList<int>> &readings)
{
    if (std::all_of(readings.begin(), readings.end(), [](const QList<int> &r) { return r.size() == 1; }))
        return {preferredTotal(readings)};
    QList<int> sums {0};
    for (const QList<int> &r : readings) {
        QList<int> next;
        for (int s : sums)
            for (int c : r)
                if (!next.contains(s + c))
                    next.append(s + c);
        sums = next;
    }
    std::sort(sums.begin(), sums.end());
    return sums;
}

// The metres of a set of lines: the commonest count, and in a poem of mixed
// metres (a fable) every count a fair share of lines uses.
QList<int> metresOf(const QList<int> &counts)
{
    QHash<int, int> histogram;
    for (int c : counts)
        ++histogram[c];
    QList<std::pair<int, int>> byFrequency;
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        byFrequency.append({it.value(), it.key()});
    std::sort(byFrequency.begin(), byFrequency.end(), [](auto a, auto b) { return a.first != b.first ? a.first > b.first : a.second > b.second; });
    QList<int> metres;
    if (byFrequency.isEmpty())
        return metres;
    metres.append(byFrequency.front().second);
    const int total = int(counts.size());
    if (byFrequency.front().first * 100 >= total * 85)
        return metres;
    for (int i = 1; i < byFrequency.size(); ++i) {
        if (byFrequency[i].first >= 2 && byFrequency[i].first * 10 >= total)
            metres.append(byFrequency[i].second);
    }
    return metres;
}

void chooseReadings(QList<PoemLine> &lines, const VerseOverrides &overrides, QList<int> &poemMetres)
{
    QList<QList<QList<int>>> readings;
    QList<int> preferred;
    QList<QList<int>> possible;
    for (int i = 0; i < lines.size(); ++i) {
        readings.append(readingsOf(lines[i], i, overrides));
        if (!lines[i].scan.blank()) {
            preferred.append(preferredTotal(readings.back()));
            possible.append(sumsOf(readings.back()));
        }
    }
    // A line that can be read in the commonest count votes for it.
    const QList<int> first = metresOf(preferred);
    if (!first.isEmpty()) {
        for (int k = 0; k < preferred.size(); ++k)
            if (possible[k].contains(first.front()))
                preferred[k] = first.front();
    }
    poemMetres = metresOf(preferred);
    // A stanza of three lines or more all of one other count keeps it.
    QHash<int, QList<int>> stanzaCounts;
    for (int i = 0; i < lines.size(); ++i)
        if (!lines[i].scan.blank())
            stanzaCounts[lines[i].stanza].append(preferredTotal(readings[i]));
    for (int i = 0; i < lines.size(); ++i) {
        PoemLine &line = lines[i];
        if (line.scan.blank())
            continue;
        QList<int> metres = poemMetres;
        const QList<int> &inStanza = stanzaCounts[line.stanza];
        if (inStanza.size() >= 3 && std::all_of(inStanza.begin(), inStanza.end(), [&](int c) { return c == inStanza.front(); })
            && !metres.contains(inStanza.front()))
            metres = {inStanza.front()};
        const int wanted = preferredTotal(readings[i]);
        std::optional<QList<int>> choice;
        int metre = 0;
        if (metres.contains(wanted)) {
            metre = wanted;
            choice = readingsFor(readings[i], wanted);
        } else {
            for (int m : metres) {
                choice = readingsFor(readings[i], m);
                if (choice) {
                    metre = m;
                    break;
                }
            }
        }
        if (!choice) {
            choice = readingsFor(readings[i], wanted);
            metre = metres.front();
            for (int m : metres)
                if (std::abs(m - wanted) < std::abs(metre - wanted))
                    metre = m;
        }
        line.metre = metre;
        line.scan.syllables = 0;
        for (int w = 0; w < line.scan.words.size(); ++w) {
            line.scan.words[w].chosen = (*choice)[w];
            line.scan.syllables += (*choice)[w];
        }
        line.scan.possibleCounts = sumsOf(readings[i]);
    }
}

// Whether a word ends at the middle of the line, on a syllable that is not a
// mute e; also notes the word end nearest the middle.
bool hasCaesura(LineScan &scan, int at)
{
    int total = 0;
    int nearest = 0;
    bool found = false;
    for (int w = 0; w + 1 < scan.words.size(); ++w) {
        total += scan.words[w].chosen;
        if (std::abs(total - at) < std::abs(nearest - at))
            nearest = total;
        if (total == at && !scan.words[w].muteCounted && scan.words[w].chosen > 0)
            found = true;
    }
    scan.caesuraWordEnd = nearest;
    return found;
}

void addWarning(PoemLine &line, VerseWarningCode code, int word, const QString &text)
{
    line.warnings.append({code, word, text});
}

// The sound two lines must share to rhyme: the last vowel and what follows;
// after a final é, the consonant before it too ("chanté" and "été" rhyme,
// "chanté" and "attirait" do not: the notation writes open and closed e
// alike, so the supporting consonant tells them apart).
} // namespace

QString RhymeKeyOf(const LineScan &scan)
{
    const QStringList &phonemes = scan.soundPhonemes;
    QStringList part = RhymePart(phonemes);
    if (part.size() == 1 && part.front() == QStringLiteral("\u00E9") && phonemes.size() >= 2)
        part.prepend(phonemes[phonemes.size() - 2]);
    return part.join(QLatin1Char('.'))
        + (scan.genre == RhymeGenre::Feminine ? QStringLiteral("/f") : QStringLiteral("/m"));
}

namespace {

void groupRhymes(QList<PoemLine> &lines)
{
    struct Group {
        QString key;
        QList<int> members;
        int lastOrdinal = 0;
    };
    QList<Group> groups;
    QHash<QString, int> groupByKey; // one group per sound
    QList<int> groupOf(lines.size(), -1);
    int ordinal = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const LineScan &scan = lines[i].scan;
        if (scan.blank())
            continue;
        ++ordinal;
        if (scan.lastVowel.isEmpty())
            continue;
        const QString &key = scan.rhymeKey;
        int chosen = groupByKey.value(key, -1);
        if (chosen < 0) {
            groups.append({key, {}, 0});
            chosen = int(groups.size()) - 1;
            groupByKey.insert(key, chosen);
        }
        groups[chosen].members.append(i);
        groups[chosen].lastOrdinal = ordinal;
        groupOf[i] = chosen;
    }
    int letters = 0;
    QHash<int, QString> letterOf;
    for (int i = 0; i < lines.size(); ++i) {
        const int g = groupOf[i];
        if (g < 0 || groups[g].members.size() < 2)
            continue;
        if (!letterOf.contains(g)) {
            QString letter;
            int n = letters++;
            do {
                letter.prepend(QChar('A' + n % 26));
                n = n / 26 - 1;
            } while (n >= 0);
            letterOf[g] = letter;
        }
        PoemLine &line = lines[i];
        line.rhymeLetter = letterOf[g];
        const QList<int> &members = groups[g].members;
        const int at = int(members.indexOf(i));
        line.partner = at > 0 ? members[at - 1] : members[1];
        const int shared = SharedFromEnd(line.scan.soundPhonemes, lines[line.partner].scan.soundPhonemes);
        line.quality = shared >= 3 ? RhymeQuality::Rich : shared == 2 ? RhymeQuality::Sufficient : RhymeQuality::Poor;
    }
}

void checkLine(QList<PoemLine> &lines, int i, const VerseOptions &options, int previous)
{
    PoemLine &line = lines[i];
    LineScan &scan = line.scan;
    if (options.offMetre && line.metre > 0 && scan.syllables != line.metre)
        addWarning(line, VerseWarningCode::OffMetre, -1,
                   QStringLiteral("Le vers compte %1 syllabes au lieu de %2.").arg(scan.syllables).arg(line.metre));
    if ((line.metre == 12 || line.metre == 10) && scan.syllables == line.metre) {
        const int at = line.metre == 12 ? 6 : 4;
        if (!hasCaesura(scan, at) && options.caesura)
            addWarning(line, VerseWarningCode::Caesura, -1,
                       QStringLiteral("Pas de c\u00E9sure apr\u00E8s la %1e syllabe.").arg(at));
    } else {
        hasCaesura(scan, scan.syllables / 2);
    }
    if (options.hiatus) {
        for (int w : scan.hiatusAt)
            addWarning(line, VerseWarningCode::Hiatus, w,
                       QStringLiteral("Hiatus : \u00AB %1 \u00BB devant \u00AB %2 \u00BB.").arg(scan.words[w].text, scan.words[w + 1].text));
    }
    if (line.partner >= 0 && line.partner < i) {
        const LineScan &other = lines[line.partner].scan;
        if (options.singularPlural && scan.plural != other.plural)
            addWarning(line, VerseWarningCode::SingularPlural, int(scan.words.size()) - 1,
                       QStringLiteral("Un singulier rime avec un pluriel (\u00AB %1 \u00BB, \u00AB %2 \u00BB) : rime pour l\u2019\u0153il.")
                           .arg(other.rhymeWord, scan.rhymeWord));
        if (options.selfRhyme && scan.rhymeWord.toLower() == other.rhymeWord.toLower() && scan.categories == other.categories)
            addWarning(line, VerseWarningCode::SelfRhyme, int(scan.words.size()) - 1,
                       QStringLiteral("\u00AB %1 \u00BB rime avec lui-m\u00EAme.").arg(scan.rhymeWord));
    }
    if (options.genreAlternation && previous >= 0 && !line.rhymeLetter.isEmpty()
        && !lines[previous].rhymeLetter.isEmpty() && lines[previous].rhymeLetter != line.rhymeLetter
        && lines[previous].scan.genre == scan.genre)
        addWarning(line, VerseWarningCode::GenreAlternation, -1,
                   scan.genre == RhymeGenre::Feminine
                       ? QStringLiteral("Deux rimes f\u00E9minines diff\u00E9rentes se suivent : les genres doivent alterner.")
                       : QStringLiteral("Deux rimes masculines diff\u00E9rentes se suivent : les genres doivent alterner."));
}
} // namespace

PoemPassResult RunPoemPass(const QList<LineScan> &scans, const VerseOptions &options, const VerseOverrides &overrides)
{
    PoemPassResult result;
    result.lines.reserve(scans.size());
    for (const LineScan &scan : scans) {
        PoemLine line;
        line.scan = scan;
        result.lines.append(std::move(line));
    }
    numberStanzas(result.lines);
    chooseReadings(result.lines, overrides, result.metres);
    groupRhymes(result.lines);
    int previous = -1;
    for (int i = 0; i < result.lines.size(); ++i) {
        if (result.lines[i].scan.blank())
            continue;
        checkLine(result.lines, i, options, previous);
        previous = i;
    }
    return result;
}
