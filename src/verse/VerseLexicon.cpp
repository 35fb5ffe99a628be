#include "verse/VerseLexicon.h"

#include "lexicon/DataItems.h"
#include "lexicon/LexiconData.h"
#include "lexicon/WordList.h"
#include "search/HeadwordKey.h"

#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace {
// Common words whose h is aspirated, in case the data file lacks them.
const char *const HandAspirated[] = {
    "haine", "haïr", "hais", "hait", "haïssent", "hanter", "hante", "haut", "haute", "hauts", "hautes",
    "hauteur", "héros", "hibou", "honte", "honteux", "hêtre", "hameau", "harpe", "hasard", "hâte",
    "hérisson", "hurler", "hurle", "huée", "huées", "hache", "halte", "hangar", "hareng", "haricot",
    "hennir", "hideux", "hideuse", "hiérarchie", "hocher", "homard", "hors", "housse", "hublot",
    "huit", "hutte", "haillon", "haillons", "haleter", "halle", "hallebarde", "hamac", "hanche",
    "harceler", "hardi", "hardie", "hardiesse", "harem", "hargneux", "hargne", "harnais", "haro",
    "hâtif", "hausser", "hausse", "havre", "hennissement", "héraut", "hérissé", "hernie", "héron",
    "heurter", "heurte", "heurt", "hideur", "hiboux", "hisser", "hocquet", "hollande", "hongrie",
    "honnir", "honni", "honnie", "hoquet", "horde", "houle", "houlette", "houx", "huche", "huer",
    "huguenot", "huppe", "hure", "hurlement", "hussard", "hâle", "hâve", "haie", "haies", "harpie",
};

// The hash of a text in lower case, as the index keeps it.
quint64 formHash(QStringView text)
{
    if (HasCapital(text))
        return quint64(qHash(HeadwordKey {text.toString().toLower()}));
    return quint64(qHash(HeadwordKey {text}));
}

} // namespace

VerseLexicon::VerseLexicon(const WordList &words)
    : m_words(words)
{
    // Only the index is built: a line's fields are read when they are asked
    // for. Walking the list backwards leaves each hash's chain in list order.
    const int count = words.recordCount();
    m_nextLine.assign(std::size_t(std::max(count, 0)), -1);
    m_firstLine.reserve(count);
    for (int i = count - 1; i >= 0; --i) {
        const QString headword = words.headword(i);
        if (headword.isEmpty())
            continue;
        const quint64 hash = formHash(headword);
        const auto first = m_firstLine.find(hash);
        if (first == m_firstLine.end()) {
            m_firstLine.insert(hash, i);
        } else {
            m_nextLine[std::size_t(i)] = *first;
            *first = i;
        }
    }
    QFile file(QStringLiteral(":/items/h_aspire.txt"));
    if (file.open(QIODevice::ReadOnly)) {
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
        for (const QString &line : lines) {
            const QString word = line.trimmed().toLower();
            if (!word.isEmpty() && !word.startsWith(QLatin1Char('#')))
                m_aspirated.insert(word);
        }
    }
    for (const char *word : HandAspirated)
        m_aspirated.insert(QString::fromUtf8(word));
    for (const QString &word : std::as_const(m_aspirated)) {
        if (word.size() > 5 && (word.endsWith(QLatin1String("er")) || word.endsWith(QLatin1String("ir"))))
            m_aspiratedStems.insert(word.chopped(2));
    }
}

bool VerseLexicon::lineIsOf(int line, const QString &form) const
{
    return m_words.headword(line).toLower() == form;
}

int VerseLexicon::firstLineOf(const QString &form) const
{
    const auto found = m_firstLine.constFind(formHash(form));
    if (found == m_firstLine.constEnd())
        return -1;
    return lineIsOf(*found, form) ? *found : nextLineOf(form, *found);
}

int VerseLexicon::nextLineOf(const QString &form, int line) const
{
    // Forms of one hash share a chain; the line's own form tells them apart.
    for (int next = m_nextLine[std::size_t(line)]; next >= 0; next = m_nextLine[std::size_t(next)]) {
        if (lineIsOf(next, form))
            return next;
    }
    return -1;
}

QList<VerseEntry> VerseLexicon::entries(const QString &form) const
{
    QList<VerseEntry> found;
    for (int line = firstLineOf(form); line >= 0; line = nextLineOf(form, line)) {
        VerseEntry entry;
        entry.syllables = m_words.syllableCount(line);
        entry.exactSound = m_words.exactSoundText(line);
        entry.approxSound = m_words.approxSoundText(line);
        entry.categories = m_words.categoriesText(line);
        entry.conjugated = m_words.isConjugated(line) != 0;
        entry.genre = RhymeGenreOf(m_words.headword(line), entry.exactSound, entry.categories);
        found.append(entry);
    }
    return found;
}

const VerseLexicon &VerseLexicon::shipped()
{
    static const VerseLexicon lexicon = [] {
        VerseLexicon built(LexiconData::instance().words);
        // Building it read every headword of the list: those pages go back
        // to the system, which brings back the few that lookups read again.
        DataItems::releaseReadPages(DataItems::WordListType, DataItems::WordListId);
        return built;
    }();
    return lexicon;
}

namespace {
// Some headwords of the dictionary lost their accents ("heros").
QString withoutAccents(const QString &form)
{
    QString plain = form.normalized(QString::NormalizationForm_D);
    plain.remove(QRegularExpression(QStringLiteral("\\p{Mn}")));
    return plain;
}
} // namespace

bool VerseLexicon::hasAspiratedH(const QString &form) const
{
    if (!form.startsWith(QLatin1Char('h')))
        return false;
    if (m_aspirated.contains(form) || m_aspirated.contains(withoutAccents(form)))
        return true;
    // A form of an aspirated word: "hantait", "héroïque" is not one, so only
    // plurals and the feminine of a listed word are taken.
    for (const QString &suffix : {QStringLiteral("s"), QStringLiteral("x"), QStringLiteral("e"), QStringLiteral("es")}) {
        if (form.endsWith(suffix) && m_aspirated.contains(form.chopped(suffix.size())))
            return true;
    }
    // A conjugated form of an aspirated verb ("hantait"), never a word of
    // its own that starts alike ("honneur" against honnir).
    if (const int first = firstLineOf(form); first >= 0) {
        bool conjugated = false;
        for (int line = first; line >= 0 && !conjugated; line = nextLineOf(form, line))
            conjugated = m_words.isConjugated(line) != 0;
        if (!conjugated)
            return false;
    }
    for (int length = 4; length < form.size(); ++length)
        if (m_aspiratedStems.contains(form.left(length)))
            return true;
    return false;
}
