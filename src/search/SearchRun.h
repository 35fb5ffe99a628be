#pragma once

// The state of one search run: the key, the sounds found, the three result
// lists and their counts. The main window runs it stage by stage from its
// timers (firstStage, then runStage and stageAfter until None); the command
// line and the tests call runAll. A new search is a new SearchRun.
#include "search/HeadwordKey.h"
#include "search/ResultAssembly.h"
#include "search/RhymeGenre.h"
#include "search/SearchParameters.h"

#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

class WordList;

// One listed line of a result list.
struct ResultEntry {
    int index = -1;          // line of the word list
    QString headword;        // deciphered
    QString paddedHeadword;  // PaddedHeadword
    QString line;            // FormatResultLine, as the list shows it
    int syllables = 0;
    QString categories;      // as in the word list: "NOM;VER", "Ignoré"
    bool conjugated = false;
    RhymeGenre genre = RhymeGenre::Masculine;
};

enum class SearchStage { Exact, Approx, Ending, Finish, None };

class SearchRun {
public:
    // An empty run: nothing searched, every count 0, every sound "".
    SearchRun();
    // Prepares the key from parameters.typedText (PrepareSearchKey); nothing
    // is searched yet. The word list must outlive the run.
    SearchRun(const WordList &words, const SearchParameters &parameters);

    const SearchParameters &parameters() const { return m_parameters; }

    // The stage chain: the first stage the parameters ask for, and the one
    // after a given stage; Finish always comes last, then None.
    SearchStage firstStage() const;
    SearchStage stageAfter(SearchStage stage) const;
    // Runs one stage (None does nothing).
    void runStage(SearchStage stage);
    // Every stage from firstStage to Finish.
    void runAll();

    // The stages themselves. Each runs once per run; a second call does nothing.
    void runExact();
    void runApprox();
    void runEnding();
    void finish();

    // True when the rich-rhyme stage has run and listed nothing and secondary
    // messages are on: the window then shows its advice before going on.
    bool wantsNoRichRhymeMessage() const;

    // The key as prepared, and as the later stages see it (the exact stage
    // may have cut it at a blank and shortened it).
    const QString &preparedKey() const { return m_preparedKey; }
    const QString &searchKey() const { return m_searchKey; }
    const QString &queryExactSound() const { return m_queryExactSound; }
    const QString &queryApproxSound() const { return m_queryApproxSound; }
    const QString &endingKey() const { return m_endingKey; }

    int exactCount() const { return int(m_results[0].size()); }
    int approxCount() const { return int(m_results[1].size()); }
    int endingCount() const { return int(m_results[2].size()); }
    int count(ResultKind kind) const { return int(results(kind).size()); }

    const QList<ResultEntry> &results(ResultKind kind) const { return m_results[int(kind)]; }
    // The result lines of one list, each headword once, in the order asked
    // for (word-list order by default, French dictionary order with
    // parameters.alphabetical).
    QStringList resultLines(ResultKind kind) const;

    bool stageDone(SearchStage stage) const;
    bool finished() const { return m_finished; }
    // The captions of the end of the search, from the state as it is now.
    SearchSummary summary() const;

private:
    // The end of a stage's list: the room made for every line found is given
    // back, and the list takes dictionary order when the parameters ask for
    // it (else word-list order).
    void completeList(QList<ResultEntry> &list) const;
    // A word with several readings has a line for each ("cours" the noun and
    // "cours" of courir); a list shows it once, at its first line that passes
    // the filters. False when the headword is already in that list. The set
    // keeps a view of headword, which must be the text the entry will hold.
    bool firstOfHeadword(ResultKind kind, const QString &headword);
    // Room for a stage's lines in its list and sets, made once: growing a
    // set rehashes every headword already in it.
    void makeRoom(ResultKind kind, qsizetype lines);

    const WordList *m_words = nullptr;
    SearchParameters m_parameters;
    QString m_preparedKey;
    QString m_searchKey;
    QString m_queryExactSound;
    QString m_queryApproxSound;
    QString m_endingKey;
    QList<ResultEntry> m_results[ResultKindCount];
    // The rich-rhyme list's headwords as they pad (PaddingKey), however many
    // there are. Views of the entries' own headwords, whose text never moves.
    QSet<HeadwordKey> m_richHeadwords;
    // Headwords already in each list, views of the entries' headwords.
    QSet<HeadwordKey> m_listedHeadwords[ResultKindCount];
    bool m_exactDone = false;
    bool m_approxDone = false;
    bool m_endingDone = false;
    bool m_finished = false;
};
