#pragma once

// What the workbench shows beside each line, and the one door through which
// it asks for it. The window tells which lines changed; the scansion keeps
// the other lines' figures and only works again on those.
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

    int lineCount() const { return int(m_lines.size()); }
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

private:
    LineFigures scanLine(const QString &line) const;
    void relate();

    QStringList m_lines;
    QVector<LineFigures> m_figures;
    int m_metre = 0;
    int m_scanned = 0;
};
