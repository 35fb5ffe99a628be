#include "verse/VerseLexicon.h"

#include "lexicon/LexiconData.h"
#include "lexicon/WordList.h"

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
} // namespace

VerseLexicon::VerseLexicon(const WordList &words)
{
    const int count = words.recordCount();
    m_entries.reserve(count);
    for (int i = 0; i < count; ++i) {
        // Field by field from the stored bytes: the list is never decoded whole.
        const QString headword = words.headword(i);
        const QString form = headword.toLower();
        if (form.isEmpty())
            continue;
        VerseEntry entry;
        entry.syllables = words.syllableCount(i);
        entry.exactSound = words.exactSoundText(i);
        entry.approxSound = words.approxSoundText(i);
        entry.categories = words.categoriesText(i);
        entry.conjugated = words.isConjugated(i) != 0;
        entry.genre = RhymeGenreOf(headword, entry.exactSound, entry.categories);
        m_entries[form].append(entry);
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

const VerseLexicon &VerseLexicon::shipped()
{
    static const VerseLexicon lexicon(LexiconData::instance().words);
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
    const auto found = m_entries.constFind(form);
    if (found != m_entries.constEnd()
        && std::none_of(found->begin(), found->end(), [](const VerseEntry &e) { return e.conjugated; }))
        return false;
    for (int length = 4; length < form.size(); ++length)
        if (m_aspiratedStems.contains(form.left(length)))
            return true;
    return false;
}
