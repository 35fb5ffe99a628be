#pragma once

// A poem being written: the per-line scans are kept so that editing one line
// rescans only that line; the poem pass (metre, readings, rhymes, warnings)
// is then run again in place over the kept lines, which is cheap.
#include "verse/PoemPass.h"
#include "verse/VerseTypes.h"

#include <QList>
#include <QString>
#include <QStringList>

class WordList;
class VerseLexicon;

class PoemScanner {
public:
    // Uses the program's word list (LexiconData::instance().words).
    PoemScanner();
    explicit PoemScanner(const VerseLexicon &lexicon);

    void setText(const QString &text);             // the whole poem, lines split on \n
    void setLine(int line, const QString &text);   // one edited line
    void insertLines(int at, const QStringList &lines);
    void removeLines(int at, int count);

    void setOptions(const VerseOptions &options);
    const VerseOptions &options() const { return m_options; }
    // The poet's choice of a word's count; count 0 removes the choice.
    void setOverride(int line, int word, int count);
    const VerseOverrides &overrides() const { return m_overrides; }

    int lineCount() const { return int(m_lines.size()); }
    const QList<PoemLine> &lines() const { return m_lines; }
    // The metres in use (the dominant one first), e.g. {12} or {12, 8}.
    QList<int> metres() const { return m_metres; }

private:
    void runPoemPass();

    const VerseLexicon &m_lexicon;
    VerseOptions m_options;
    VerseOverrides m_overrides;
    QList<PoemLine> m_lines;
    PoemPassCache m_cache; // per line, what the pass reuses while the line is unchanged
    QList<int> m_metres;
};

// One-shot scansion of a whole text.
QList<PoemLine> ScanPoem(const QString &text, const VerseOptions &options = {},
                         const VerseOverrides &overrides = {});
