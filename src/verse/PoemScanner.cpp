#include "verse/PoemScanner.h"

#include "verse/LineScansion.h"
#include "verse/PoemPass.h"
#include "verse/VerseLexicon.h"

namespace {
PoemLine lineOf(LineScan scan)
{
    PoemLine line;
    line.scan = std::move(scan);
    return line;
}
} // namespace

PoemScanner::PoemScanner()
    : m_lexicon(VerseLexicon::shipped())
{
}

PoemScanner::PoemScanner(const VerseLexicon &lexicon)
    : m_lexicon(lexicon)
{
}

void PoemScanner::setText(const QString &text)
{
    QString plain = text;
    plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = plain.split(QLatin1Char('\n'));
    m_lines.clear();
    m_lines.reserve(lines.size());
    m_cache.stale = QList<bool>(lines.size(), true);
    m_cache.readings = QList<LineReadings>(lines.size());
    m_cache.rhymeIds.clear();
    for (const QString &line : lines)
        m_lines.append(lineOf(ScanLine(m_lexicon, line)));
    runPoemPass();
}

void PoemScanner::setLine(int line, const QString &text)
{
    if (line < 0 || line > m_lines.size())
        return;
    if (line == m_lines.size()) {
        m_lines.append(lineOf(ScanLine(m_lexicon, text)));
        m_cache.readings.append(LineReadings());
        m_cache.stale.append(true);
    } else {
        m_lines[line].scan = ScanLine(m_lexicon, text);
        m_cache.stale[line] = true;
    }
    runPoemPass();
}

void PoemScanner::insertLines(int at, const QStringList &lines)
{
    at = qBound(0, at, int(m_lines.size()));
    for (int k = 0; k < lines.size(); ++k)
        m_lines.insert(at + k, lineOf(ScanLine(m_lexicon, lines[k])));
    m_cache.readings.insert(at, lines.size(), LineReadings());
    m_cache.stale.insert(at, lines.size(), true);
    // The poet's choices follow their lines.
    VerseOverrides moved;
    for (auto it = m_overrides.cbegin(); it != m_overrides.cend(); ++it) {
        auto key = it.key();
        if (key.first >= at)
            key.first += int(lines.size());
        moved.insert(key, it.value());
    }
    m_overrides = moved;
    runPoemPass();
}

void PoemScanner::removeLines(int at, int count)
{
    if (at < 0 || count <= 0 || at >= m_lines.size())
        return;
    count = qMin(count, int(m_lines.size()) - at);
    m_lines.remove(at, count);
    m_cache.readings.remove(at, count);
    m_cache.stale.remove(at, count);
    VerseOverrides moved;
    for (auto it = m_overrides.cbegin(); it != m_overrides.cend(); ++it) {
        auto key = it.key();
        if (key.first >= at && key.first < at + count)
            continue;
        if (key.first >= at + count)
            key.first -= count;
        moved.insert(key, it.value());
    }
    m_overrides = moved;
    runPoemPass();
}

void PoemScanner::setOptions(const VerseOptions &options)
{
    m_options = options;
    runPoemPass();
}

void PoemScanner::setOverride(int line, int word, int count)
{
    if (count <= 0)
        m_overrides.remove({line, word});
    else
        m_overrides.insert({line, word}, count);
    if (line >= 0 && line < m_cache.stale.size())
        m_cache.stale[line] = true;
    runPoemPass();
}

void PoemScanner::runPoemPass()
{
    RunPoemPassInPlace(m_lines, m_metres, m_options, m_overrides, m_cache);
}

QList<PoemLine> ScanPoem(const QString &text, const VerseOptions &options, const VerseOverrides &overrides)
{
    PoemScanner scanner;
    scanner.setOptions(options);
    for (auto it = overrides.cbegin(); it != overrides.cend(); ++it)
        scanner.setOverride(it.key().first, it.key().second, it.value());
    scanner.setText(text);
    return scanner.lines();
}
