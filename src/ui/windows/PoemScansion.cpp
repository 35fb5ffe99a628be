#include "ui/windows/PoemScansion.h"

namespace {
QString genreLetter(RhymeGenre genre)
{
    return genre == RhymeGenre::Feminine ? QStringLiteral("f") : QStringLiteral("m");
}

LineFigures figuresOf(const PoemLine &line)
{
    LineFigures figures;
    if (line.scan.blank())
        return figures;
    figures.blank = false;
    figures.syllables = line.scan.syllables;
    figures.rhyme = line.rhymeLetter.isEmpty() ? QStringLiteral("–") : line.rhymeLetter;
    figures.genre = genreLetter(line.scan.genre);
    for (const VerseWarning &warning : line.warnings)
        figures.warnings << warning.text;
    return figures;
}
} // namespace

void PoemScansion::setLines(const QStringList &lines)
{
    m_scanner.setText(lines.join(u'\n'));
    m_scanned += int(lines.size());
    refresh();
}

void PoemScansion::replaceLines(int first, int removed, const QStringList &added)
{
    first = std::clamp(first, 0, m_scanner.lineCount());
    removed = std::clamp(removed, 0, m_scanner.lineCount() - first);
    const int kept = std::min(removed, int(added.size()));
    for (int i = 0; i < kept; ++i)
        m_scanner.setLine(first + i, added.at(i));
    if (removed > kept)
        m_scanner.removeLines(first + kept, removed - kept);
    if (added.size() > kept)
        m_scanner.insertLines(first + kept, added.mid(kept));
    m_scanned += int(added.size());
    refresh();
}

void PoemScansion::refresh()
{
    m_figures.clear();
    for (const PoemLine &line : m_scanner.lines())
        m_figures.append(figuresOf(line));
    const QList<int> metres = m_scanner.metres();
    m_metre = metres.isEmpty() ? 0 : metres.first();
}

const LineFigures &PoemScansion::figures(int line) const
{
    static const LineFigures none;
    return line >= 0 && line < m_figures.size() ? m_figures.at(line) : none;
}

int PoemScansion::takeScannedCount()
{
    return std::exchange(m_scanned, 0);
}

QString PoemScansion::lastWord(int line) const
{
    if (line < 0 || line >= m_scanner.lineCount())
        return {};
    const LineScan &scan = m_scanner.lines().at(line).scan;
    return scan.words.isEmpty() ? QString() : scan.words.last().text.toLower();
}

int PoemScansion::lastWordSyllables(int line) const
{
    if (line < 0 || line >= m_scanner.lineCount())
        return 0;
    const LineScan &scan = m_scanner.lines().at(line).scan;
    return scan.words.isEmpty() ? 0 : scan.words.last().chosen;
}

// A line with a partner keeps its partner's genre; a line without one takes
// the genre opposite to the line before it.
QString PoemScansion::wantedGenre(int line) const
{
    if (line < 0 || line >= m_scanner.lineCount() || m_figures.at(line).blank)
        return {};
    const PoemLine &own = m_scanner.lines().at(line);
    if (own.partner >= 0 && own.partner < m_figures.size())
        return m_figures.at(own.partner).genre;
    for (int i = line - 1; i >= 0; --i)
        if (!m_figures.at(i).blank)
            return m_figures.at(i).genre == QStringLiteral("m") ? QStringLiteral("f") : QStringLiteral("m");
    return {};
}
