#pragma once

// What the workbench shows beside each line, and the one door through which
// it asks for it: the verse engine's incremental scanner, read into what the
// band draws. The window tells which lines changed; only those are scanned again.
#include "verse/PoemScanner.h"

#include <QString>
#include <QStringList>
#include <QVector>

struct LineFigures {
    bool blank = true;
    int syllables = 0;
    QString rhyme;  // "A", "B"…, or "–" for a line with no partner
    QString genre;  // "m" or "f"
    QStringList warnings;
};

class PoemScansion {
public:
    // The whole poem, as when a file is opened.
    void setLines(const QStringList &lines);
    // Lines [first, first + removed) replaced by the given ones.
    void replaceLines(int first, int removed, const QStringList &added);

    int lineCount() const { return m_scanner.lineCount(); }
    const LineFigures &figures(int line) const;
    // The line's count the poem's metre expects (0 when there is none).
    int metre() const { return m_metre; }
    // The line's last word, its own count, and the genre the alternation of
    // rhymes asks of it ("m", "f", or empty when nothing asks).
    QString lastWord(int line) const;
    int lastWordSyllables(int line) const;
    QString wantedGenre(int line) const;
    // How many lines were counted since the last call (for the tests).
    int takeScannedCount();

    PoemScanner &scanner() { return m_scanner; }
    // Reads the scanner's lines again (after options or overrides changed).
    void refresh();

private:
    PoemScanner m_scanner;
    QVector<LineFigures> m_figures;
    int m_metre = 0;
    int m_scanned = 0;
};
