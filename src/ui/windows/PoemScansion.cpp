#include "ui/windows/PoemScansion.h"

#include <QHash>
#include <QRegularExpression>

// A counting by the spelling alone: vowel groups, the mute e of a word's end
// counted before a consonant and elided before a vowel or at the line's end.
namespace {
bool isVowel(QChar c)
{
    static const QString vowels = QStringLiteral("aeiouyàâäéèêëîïôöûùüœæ");
    return vowels.contains(c.toLower());
}

QStringList wordsOf(const QString &line)
{
    static const QRegularExpression wordPattern(QStringLiteral("[\\p{L}]+"));
    QStringList words;
    for (auto it = wordPattern.globalMatch(line); it.hasNext();)
        words << it.next().captured().toLower();
    return words;
}

int vowelGroups(const QString &word)
{
    int groups = 0;
    bool inVowel = false;
    for (int i = 0; i < word.size(); ++i) {
        const QChar c = word.at(i);
        // "qu" and "gu" before a vowel: the u is not a vowel of its own.
        const bool silentU = c == u'u' && i > 0 && (word.at(i - 1) == u'q' || word.at(i - 1) == u'g');
        const bool vowel = isVowel(c) && !silentU;
        if (vowel && !inVowel)
            ++groups;
        inVowel = vowel;
    }
    return groups;
}

bool endsMute(const QString &word)
{
    if (vowelGroups(word) < 2)
        return false;
    return word.endsWith(u'e') || word.endsWith(QStringLiteral("es")) || word.endsWith(QStringLiteral("ent"));
}

QString withoutAccents(const QString &word)
{
    QString plain;
    for (const QChar c : word.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            plain += c;
    return plain;
}

QString rhymeKey(const QString &word)
{
    QString key = withoutAccents(word);
    // The mute end takes no part in the rhyme's sound.
    if (endsMute(key))
        key.chop(key.endsWith(u'e') ? 1 : key.endsWith(QStringLiteral("es")) ? 2 : 3);
    while (key.size() > 1 && (key.endsWith(u's') || key.endsWith(u'x') || key.endsWith(u't')))
        key.chop(1);
    int i = key.size() - 1;
    while (i > 0 && !isVowel(key.at(i)))
        --i;
    while (i > 0 && isVowel(key.at(i - 1)))
        --i;
    return key.mid(i);
}
} // namespace

void PoemScansion::setLines(const QStringList &lines)
{
    replaceLines(0, int(m_lines.size()), lines);
}

void PoemScansion::replaceLines(int first, int removed, const QStringList &added)
{
    first = std::clamp(first, 0, int(m_lines.size()));
    removed = std::clamp(removed, 0, int(m_lines.size()) - first);
    m_lines.remove(first, removed);
    m_figures.remove(first, removed);
    for (int i = 0; i < added.size(); ++i) {
        m_lines.insert(first + i, added.at(i));
        m_figures.insert(first + i, scanLine(added.at(i)));
        ++m_scanned;
    }
    relate();
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

LineFigures PoemScansion::scanLine(const QString &line) const
{
    LineFigures figures;
    const QStringList words = wordsOf(line);
    if (words.isEmpty())
        return figures;
    figures.blank = false;
    for (int i = 0; i < words.size(); ++i) {
        const QString &word = words.at(i);
        int count = vowelGroups(word);
        const bool last = i + 1 == words.size();
        const bool beforeVowel = !last && (isVowel(words.at(i + 1).at(0)) || words.at(i + 1).startsWith(u'h'));
        if (endsMute(word) && (last || (beforeVowel && word.endsWith(u'e'))))
            --count;
        figures.syllables += count;
    }
    figures.genre = endsMute(words.last()) ? QStringLiteral("f") : QStringLiteral("m");
    return figures;
}

// The letters, the metre and the line-to-line warnings depend on the whole poem.
void PoemScansion::relate()
{
    QHash<int, int> counts;
    for (const LineFigures &figures : m_figures)
        if (!figures.blank)
            ++counts[figures.syllables];
    m_metre = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(m_metre))
            m_metre = it.key();

    QHash<QString, int> keyLines;
    for (int i = 0; i < m_lines.size(); ++i)
        if (!m_figures.at(i).blank)
            ++keyLines[rhymeKey(wordsOf(m_lines.at(i)).last())];
    QHash<QString, QString> letters;
    for (int i = 0; i < m_lines.size(); ++i) {
        LineFigures &figures = m_figures[i];
        figures.warnings.clear();
        figures.rhyme.clear();
        if (figures.blank)
            continue;
        const QString key = rhymeKey(wordsOf(m_lines.at(i)).last());
        if (keyLines.value(key) < 2) {
            figures.rhyme = QStringLiteral("–");
        } else {
            if (!letters.contains(key))
                letters.insert(key, QString(QChar(u'A' + int(letters.size()) % 26)));
            figures.rhyme = letters.value(key);
        }
        if (m_metre > 0 && figures.syllables != m_metre)
            figures.warnings << QStringLiteral("Vers faux : %1 syllabes pour un mètre de %2.")
                                    .arg(figures.syllables).arg(m_metre);
    }
}

QString PoemScansion::lastWord(int line) const
{
    if (line < 0 || line >= m_lines.size())
        return {};
    const QStringList words = wordsOf(m_lines.at(line));
    return words.isEmpty() ? QString() : words.last();
}

int PoemScansion::lastWordSyllables(int line) const
{
    const QString word = lastWord(line);
    return word.isEmpty() ? 0 : vowelGroups(word) - (endsMute(word) ? 1 : 0);
}

// A line with a partner keeps its partner's genre; a line without one takes
// the genre opposite to the line before it.
QString PoemScansion::wantedGenre(int line) const
{
    const LineFigures &own = figures(line);
    if (own.blank)
        return {};
    for (int i = 0; i < m_figures.size(); ++i)
        if (i != line && !own.rhyme.isEmpty() && own.rhyme != QStringLiteral("–") && m_figures.at(i).rhyme == own.rhyme)
            return m_figures.at(i).genre;
    for (int i = line - 1; i >= 0; --i)
        if (!m_figures.at(i).blank)
            return m_figures.at(i).genre == QStringLiteral("m") ? QStringLiteral("f") : QStringLiteral("m");
    return {};
}
