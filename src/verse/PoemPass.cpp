#include "verse/PoemPass.h"

#include "verse/RhymeSound.h"

#include <QHash>
#include <algorithm>
#include <utility>
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

// Whether the poet chose a count for some word of the line.
bool hasOverride(const VerseOverrides &overrides, int index)
{
    const auto it = overrides.lowerBound({index, 0});
    return it != overrides.constEnd() && it.key().first == index;
}

LineReadings lineReadingsOf(const PoemLine &line, int index, const VerseOverrides &overrides)
{
    LineReadings result;
    const QList<ScannedWord> &words = line.scan.words;
    const bool single = std::all_of(words.begin(), words.end(), [](const ScannedWord &w) { return w.counts.size() == 1; });
    if (single && !hasOverride(overrides, index)) {
        for (const ScannedWord &w : words)
            result.preferred += w.counts.front();
        result.possible = {result.preferred};
        return result;
    }
    result.readings = readingsOf(line, index, overrides);
    result.preferred = preferredTotal(result.readings);
    result.possible = sumsOf(result.readings);
    return result;
}

// The choice reaching total, as readingsFor gives it.
std::optional<QList<int>> choiceFor(const LineReadings &r, int total)
{
    if (!r.readings.isEmpty()) {
        // The same totals are asked of a line pass after pass.
        for (const auto &[asked, choice] : r.choices)
            if (asked == total)
                return choice;
        r.choices.append({total, readingsFor(r.readings, total)});
        return r.choices.back().second;
    }
    if (r.preferred != total)
        return std::nullopt;
    return QList<int>();
}

// Writes a choice into the line's words; an empty choice keeps each word's
// single reading.
void applyChoice(PoemLine &line, const std::optional<QList<int>> &choice, const LineReadings &r)
{
    const QList<ScannedWord> &words = std::as_const(line.scan.words);
    int syllables = 0;
    for (int w = 0; w < words.size(); ++w) {
        const int count = r.readings.isEmpty() ? words[w].counts.front() : (*choice)[w];
        if (words[w].chosen != count)
            line.scan.words[w].chosen = count;
        syllables += count;
    }
    line.scan.syllables = syllables;
    if (line.scan.possibleCounts != r.possible)
        line.scan.possibleCounts = r.possible;
}

void chooseReadings(QList<PoemLine> &lines, const VerseOverrides &overrides, QList<int> &poemMetres,
                    PoemPassCache &cache)
{
    if (cache.readings.size() != lines.size() || cache.stale.size() != lines.size()) {
        cache.readings.resize(lines.size());
        cache.stale = QList<bool>(lines.size(), true);
    }
    const QList<LineReadings> &readings = cache.readings;
    QList<int> preferred;
    preferred.reserve(lines.size());
    QList<const QList<int> *> possible;
    possible.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i) {
        if (cache.stale[i]) {
            cache.readings[i] = lineReadingsOf(lines[i], i, overrides);
            const QString &key = lines[i].scan.rhymeKey;
            auto id = cache.rhymeIds.constFind(key);
            if (id == cache.rhymeIds.constEnd())
                id = cache.rhymeIds.insert(key, int(cache.rhymeIds.size()));
            cache.readings[i].rhymeId = id.value();
            cache.stale[i] = false;
        }
        if (!lines[i].scan.blank()) {
            preferred.append(readings[i].preferred);
            possible.append(&readings[i].possible);
        }
    }
    // A line that can be read in the commonest count votes for it.
    const QList<int> first = metresOf(preferred);
    if (!first.isEmpty()) {
        for (int k = 0; k < preferred.size(); ++k)
            if (possible[k]->contains(first.front()))
                preferred[k] = first.front();
    }
    poemMetres = metresOf(preferred);
    // A stanza of three lines or more all of one other count keeps it.
    // Stanzas are numbered in order, so a list indexed by stanza will do.
    struct StanzaCount {
        int size = 0;
        int count = 0;
        bool uniform = true;
    };
    QList<StanzaCount> stanzaCounts;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].scan.blank())
            continue;
        const int stanza = lines[i].stanza;
        if (stanzaCounts.size() <= stanza)
            stanzaCounts.resize(stanza + 1);
        StanzaCount &sc = stanzaCounts[stanza];
        const int c = readings[i].preferred;
        if (sc.size == 0)
            sc.count = c;
        else if (sc.count != c)
            sc.uniform = false;
        ++sc.size;
    }
    for (int i = 0; i < lines.size(); ++i) {
        PoemLine &line = lines[i];
        if (line.scan.blank())
            continue;
        const LineReadings &r = readings[i];
        QList<int> metres = poemMetres;
        const StanzaCount &inStanza = stanzaCounts[line.stanza];
        if (inStanza.size >= 3 && inStanza.uniform && !metres.contains(inStanza.count))
            metres = {inStanza.count};
        const int wanted = r.preferred;
        std::optional<QList<int>> choice;
        int metre = 0;
        if (metres.contains(wanted)) {
            metre = wanted;
            choice = choiceFor(r, wanted);
        } else {
            for (int m : metres) {
                choice = choiceFor(r, m);
                if (choice) {
                    metre = m;
                    break;
                }
            }
        }
        if (!choice) {
            choice = choiceFor(r, wanted);
            metre = metres.front();
            for (int m : metres)
                if (std::abs(m - wanted) < std::abs(metre - wanted))
                    metre = m;
        }
        line.metre = metre;
        applyChoice(line, choice, r);
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

void groupRhymes(QList<PoemLine> &lines, const PoemPassCache &cache)
{
    struct Group {
        QList<int> members;
        int lastOrdinal = 0;
    };
    QList<Group> groups;
    QList<int> groupById(cache.rhymeIds.size(), -1); // one group per sound
    QList<int> groupOf(lines.size(), -1);
    QList<int> placeInGroup(lines.size(), -1);
    int ordinal = 0;
    for (int i = 0; i < lines.size(); ++i) {
        const LineScan &scan = lines[i].scan;
        if (scan.blank())
            continue;
        ++ordinal;
        if (scan.lastVowel.isEmpty())
            continue;
        const int id = cache.readings[i].rhymeId;
        int chosen = groupById[id];
        if (chosen < 0) {
            groups.append({{}, 0});
            chosen = int(groups.size()) - 1;
            groupById[id] = chosen;
        }
        placeInGroup[i] = int(groups[chosen].members.size());
        groups[chosen].members.append(i);
        groups[chosen].lastOrdinal = ordinal;
        groupOf[i] = chosen;
    }
    int letters = 0;
    QList<QString> letterOf(groups.size());
    for (int i = 0; i < lines.size(); ++i) {
        const int g = groupOf[i];
        if (g < 0 || groups[g].members.size() < 2)
            continue;
        if (letterOf[g].isEmpty()) {
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
        const int at = placeInGroup[i];
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

void RunPoemPassInPlace(QList<PoemLine> &lines, QList<int> &metres, const VerseOptions &options,
                        const VerseOverrides &overrides, PoemPassCache &cache)
{
    for (PoemLine &line : lines) {
        line.metre = 0;
        if (!line.rhymeLetter.isEmpty())
            line.rhymeLetter.clear();
        line.partner = -1;
        line.quality.reset();
        if (!line.warnings.isEmpty())
            line.warnings.clear();
    }
    numberStanzas(lines);
    chooseReadings(lines, overrides, metres, cache);
    groupRhymes(lines, cache);
    int previous = -1;
    for (int i = 0; i < lines.size(); ++i) {
        if (lines[i].scan.blank())
            continue;
        checkLine(lines, i, options, previous);
        previous = i;
    }
}

PoemPassResult RunPoemPass(const QList<LineScan> &scans, const VerseOptions &options, const VerseOverrides &overrides)
{
    PoemPassResult result;
    result.lines.reserve(scans.size());
    for (const LineScan &scan : scans) {
        PoemLine line;
        line.scan = scan;
        result.lines.append(std::move(line));
    }
    PoemPassCache cache;
    RunPoemPassInPlace(result.lines, result.metres, options, overrides, cache);
    return result;
}
