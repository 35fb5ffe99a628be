#include "cli/RimesReport.h"

#include "lexicon/WordList.h"
#include "search/RhymeGenre.h"
#include "search/SearchRun.h"

#include <QIODevice>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

bool searched(const SearchParameters &p, int kind)
{
    const bool kinds[ResultKindCount] = {p.richRhymes, p.approxRhymes, p.wordEndings};
    return kinds[kind];
}

// The captions of the information panel, before each sound.
const char16_t *const soundCaptions[ResultKindCount] = {
    u"- Rimes  riches , recherche bas\u00E9e sur la rime:",
    u"- Rimes pauvres ou suffis.,recherche bas\u00E9e sur la rime:",
    u"- Recherche des terminaisons bas\u00E9es sur l ' expression:",
};

const char *const jsonKinds[ResultKindCount] = {"riches", "pauvres", "terminaisons"};

QJsonArray categoryArray(QStringView categories)
{
    QJsonArray array;
    if (categories == QStringView(u"Ignor\u00E9"))
        return array;
    for (const QStringView code : categories.split(QLatin1Char(';'), Qt::SkipEmptyParts))
        array.append(code.toString());
    return array;
}

} // namespace

QString ResultListTitle(int kind)
{
    static const char16_t *const titles[ResultKindCount] = {
        u"Rimes riches", u"Rimes pauvres ou suffisantes", u"Terminaison des mots"};
    return (kind >= 0 && kind < ResultKindCount) ? QString::fromUtf16(titles[kind]) : QString();
}

QString RimesText(const SearchRun &run)
{
    const SearchSummary summary = run.summary();
    QString text;
    for (int kind = 0; kind < ResultKindCount; ++kind) {
        if (!searched(run.parameters(), kind))
            continue;
        text += ResultListTitle(kind) + QLatin1Char('\n');
        text += summary.countLabel[kind] + QLatin1Char('\n');
        if (!summary.syllableLabel[kind].isEmpty())
            text += QString(PaddedHeadwordWidth, QLatin1Char(' ')) + summary.syllableLabel[kind] + QLatin1Char('\n');
        for (const ResultEntry &entry : run.results(ResultKind(kind)))
            text += entry.line + QLatin1Char('\n');
        text += QLatin1Char('\n');
    }
    for (int kind = 0; kind < ResultKindCount; ++kind)
        text += QString::fromUtf16(soundCaptions[kind]) + summary.soundLabel[kind] + QLatin1Char('\n');
    return text;
}

QByteArray RimesJson(const SearchRun &run)
{
    const SearchSummary summary = run.summary();
    QJsonObject searches;
    for (int kind = 0; kind < ResultKindCount; ++kind) {
        if (!searched(run.parameters(), kind))
            continue;
        QJsonArray entries;
        for (const ResultEntry &entry : run.results(ResultKind(kind))) {
            entries.append(QJsonObject {
                {QStringLiteral("mot"), entry.headword},
                {QStringLiteral("syllabes"), entry.syllables},
                {QStringLiteral("categories"), categoryArray(entry.categories)},
                {QStringLiteral("conjugue"), entry.conjugated},
                {QStringLiteral("genre"), GenreKeyword(entry.genre)},
                {QStringLiteral("ligne"), entry.line},
            });
        }
        searches.insert(QLatin1String(jsonKinds[kind]), QJsonObject {
            {QStringLiteral("nombre"), run.count(ResultKind(kind))},
            {QStringLiteral("legende"), summary.countLabel[kind]},
            {QStringLiteral("entrees"), entries},
        });
    }

    const QJsonObject root {
        {QStringLiteral("mot"), run.parameters().typedText},
        {QStringLiteral("cles"), QJsonObject {
             {QStringLiteral("preparee"), run.preparedKey()},
             {QStringLiteral("recherche"), run.searchKey()},
             {QStringLiteral("terminaison"), run.endingKey()},
         }},
        {QStringLiteral("sons"), QJsonObject {
             {QStringLiteral("exact"), run.queryExactSound()},
             {QStringLiteral("approche"), run.queryApproxSound()},
         }},
        {QStringLiteral("recherches"), searches},
    };
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}

bool WriteWordListExport(const WordList &words, QIODevice &out)
{
    const QChar tab(QLatin1Char('\t'));
    QString chunk;
    const int count = words.wordCount();
    for (int i = 0; i < count; ++i) {
        const QString headword = words.headword(i);
        chunk += headword;
        // Field by field, so that the export never decodes the whole list.
        const QString exactSound = words.exactSoundText(i);
        const QString categories = words.categoriesText(i);
        for (const QString &field : {exactSound, words.approxSoundText(i), words.writtenTailText(i)}) {
            chunk += tab;
            chunk += field;
        }
        chunk += tab + QString::number(words.isConjugated(i)) + tab + QString::number(words.syllableCount(i)) + tab;
        chunk += categories;
        chunk += tab + GenreKeyword(RhymeGenreOf(headword, exactSound, categories));
        chunk += QLatin1Char('\n');
        if (chunk.size() > 64 * 1024 || i == count - 1) {
            if (out.write(chunk.toUtf8()) < 0)
                return false;
            chunk.clear();
        }
    }
    return true;
}
