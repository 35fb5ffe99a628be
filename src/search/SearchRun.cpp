#include "search/SearchRun.h"

#include "lexicon/WordList.h"
#include "search/QueryPreparation.h"
#include "search/ResultOrder.h"
#include "search/SoundLookup.h"

#include <QVarLengthArray>
#include <algorithm>
#include <vector>

SearchRun::SearchRun() = default;

SearchRun::SearchRun(const WordList &words, const SearchParameters &parameters)
    : m_words(&words),
      m_parameters(parameters),
      m_preparedKey(PrepareSearchKey(parameters.typedText)),
      m_searchKey(m_preparedKey)
{
}

SearchStage SearchRun::firstStage() const
{
    if (m_parameters.richRhymes)
        return SearchStage::Exact;
    return stageAfter(SearchStage::Exact);
}

SearchStage SearchRun::stageAfter(SearchStage stage) const
{
    switch (stage) {
    case SearchStage::Exact:
        if (m_parameters.approxRhymes)
            return SearchStage::Approx;
        [[fallthrough]];
    case SearchStage::Approx:
        if (m_parameters.wordEndings)
            return SearchStage::Ending;
        [[fallthrough]];
    case SearchStage::Ending:
        return SearchStage::Finish;
    case SearchStage::Finish:
    case SearchStage::None:
        break;
    }
    return SearchStage::None;
}

void SearchRun::runStage(SearchStage stage)
{
    switch (stage) {
    case SearchStage::Exact:
        runExact();
        break;
    case SearchStage::Approx:
        runApprox();
        break;
    case SearchStage::Ending:
        runEnding();
        break;
    case SearchStage::Finish:
        finish();
        break;
    case SearchStage::None:
        break;
    }
}

void SearchRun::runAll()
{
    for (SearchStage stage = firstStage(); stage != SearchStage::None; stage = stageAfter(stage))
        runStage(stage);
}

bool SearchRun::stageDone(SearchStage stage) const
{
    switch (stage) {
    case SearchStage::Exact:
        return m_exactDone;
    case SearchStage::Approx:
        return m_approxDone;
    case SearchStage::Ending:
        return m_endingDone;
    case SearchStage::Finish:
        return m_finished;
    case SearchStage::None:
        break;
    }
    return false;
}

namespace {

// A listed line: everything the lists and the word details show of it.
ResultEntry makeEntry(const WordList &words, int index, const QString &headword, QString paddedHeadword)
{
    ResultEntry entry;
    entry.index = index;
    entry.headword = headword;
    entry.paddedHeadword = std::move(paddedHeadword);
    entry.line = FormatResultLine(words, index, entry.paddedHeadword);
    entry.syllables = words.syllableCount(index);
    entry.categories = words.categoriesText(index);
    entry.conjugated = words.isConjugated(index) == 1;
    // The sound is read where it is stored, decoded on the stack.
    const QByteArrayView soundBytes = words.exactSoundBytes(index);
    QVarLengthArray<char16_t, 64> sound(soundBytes.size());
    std::transform(soundBytes.begin(), soundBytes.end(), sound.begin(),
                   [](char byte) { return WordList::StoredChar(static_cast<unsigned char>(byte)); });
    entry.genre = RhymeGenreOf(headword, QStringView(sound.data(), sound.size()), entry.categories);
    return entry;
}

// The lines a scan finds, in list order: counted before any is listed, so
// that the lists and sets are sized once.
std::vector<int> matchingLines(WordList::Scan scan)
{
    std::vector<int> lines;
    for (int i = scan.next(); i >= 0; i = scan.next())
        lines.push_back(i);
    return lines;
}

} // namespace

void SearchRun::runExact()
{
    if (m_exactDone)
        return;
    m_exactDone = true;
    if (!m_words)
        return;
    const WordList &words = *m_words;
    m_queryExactSound = FindExactSound(words, m_searchKey);
    if (m_queryExactSound.isEmpty())
        return;

    QList<ResultEntry> &list = m_results[int(ResultKind::Rich)];
    const std::vector<int> lines = matchingLines(
        WordList::Scan(words, WordList::Column::ExactSound, m_queryExactSound, WordList::Match::Equal));
    makeRoom(ResultKind::Rich, qsizetype(lines.size()));
    m_richHeadwords.reserve(qsizetype(lines.size()));
    for (const int i : lines) {
        if (!PassesFilters(words, i, m_parameters))
            continue;
        const QString headword = words.headword(i);
        if (!firstOfHeadword(ResultKind::Rich, headword))
            continue;
        // Every rich rhyme is remembered, however many: the approximate list
        // leaves all of them out.
        m_richHeadwords.insert(HeadwordKey{PaddingKey(headword)});
        list.append(makeEntry(words, i, headword, PaddedHeadword(headword)));
    }
    completeList(list);
}

void SearchRun::runApprox()
{
    if (m_approxDone)
        return;
    m_approxDone = true;
    if (!m_words)
        return;
    const WordList &words = *m_words;
    m_queryApproxSound = FindApproxSound(words, m_searchKey);
    if (m_queryApproxSound.isEmpty())
        return;

    QList<ResultEntry> &list = m_results[int(ResultKind::Approx)];
    const std::vector<int> lines = matchingLines(
        WordList::Scan(words, WordList::Column::ApproxSound, m_queryApproxSound, WordList::Match::Equal));
    makeRoom(ResultKind::Approx, qsizetype(lines.size()));
    for (const int i : lines) {
        if (!PassesFilters(words, i, m_parameters))
            continue;
        const QString headword = words.headword(i);
        if (!m_parameters.showDuplicates && m_richHeadwords.contains(HeadwordKey{PaddingKey(headword)}))
            continue;
        if (!firstOfHeadword(ResultKind::Approx, headword))
            continue;
        list.append(makeEntry(words, i, headword, PaddedHeadword(headword)));
    }
    completeList(list);
}

void SearchRun::runEnding()
{
    if (m_endingDone)
        return;
    m_endingDone = true;
    m_endingKey = EndingKey(m_searchKey, m_parameters.endingLength);
    // An empty ending would match every line of the list.
    if (!m_words || m_endingKey.isEmpty())
        return;
    const WordList &words = *m_words;

    QList<ResultEntry> &list = m_results[int(ResultKind::Ending)];
    const std::vector<int> lines = matchingLines(
        WordList::Scan(words, WordList::Column::WrittenTail, m_endingKey, WordList::Match::EndsWith));
    makeRoom(ResultKind::Ending, qsizetype(lines.size()));
    for (const int i : lines) {
        if (!PassesFilters(words, i, m_parameters))
            continue;
        const QString headword = words.headword(i);
        // The typed word itself is no ending of its own, whatever its capitals.
        if (headword.compare(m_parameters.typedText, Qt::CaseInsensitive) == 0)
            continue;
        if (!firstOfHeadword(ResultKind::Ending, headword))
            continue;
        list.append(makeEntry(words, i, headword, PaddedHeadword(headword)));
    }
    completeList(list);
}

void SearchRun::completeList(QList<ResultEntry> &list) const
{
    // The room made for every line found is given back: filters may have
    // listed few of them, and the list lasts as long as the window shows it.
    list.squeeze();
    if (m_parameters.alphabetical)
        SortAlphabetically(list);
}

void SearchRun::makeRoom(ResultKind kind, qsizetype lines)
{
    m_results[int(kind)].reserve(lines);
    m_listedHeadwords[int(kind)].reserve(lines);
}

bool SearchRun::firstOfHeadword(ResultKind kind, const QString &headword)
{
    // One lookup: the set grows only with a new headword.
    QSet<HeadwordKey> &listed = m_listedHeadwords[int(kind)];
    const qsizetype before = listed.size();
    listed.insert(HeadwordKey{headword});
    return listed.size() != before;
}

void SearchRun::finish()
{
    m_finished = true;
    // The sets serve only while the lists are made.
    m_richHeadwords = {};
    for (QSet<HeadwordKey> &listed : m_listedHeadwords)
        listed = {};
}

bool SearchRun::wantsNoRichRhymeMessage() const
{
    return m_exactDone && m_results[int(ResultKind::Rich)].isEmpty() && m_parameters.showSecondaryMessages;
}

QStringList SearchRun::resultLines(ResultKind kind) const
{
    QStringList lines;
    lines.reserve(results(kind).size());
    for (const ResultEntry &entry : results(kind))
        lines.append(entry.line);
    return lines;
}

SearchSummary SearchRun::summary() const
{
    return Summary(m_parameters, m_queryExactSound, m_queryApproxSound, m_endingKey,
                   exactCount(), approxCount(), endingCount());
}
