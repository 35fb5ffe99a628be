#include "ui/windows/AtelierWarnings.h"

namespace AtelierWarnings {

const QList<Check> &checks()
{
    static const QList<Check> list {
        {QStringLiteral("Alternance des genres"), &VerseOptions::genreAlternation},
        {QStringLiteral("Singulier et pluriel"), &VerseOptions::singularPlural},
        {QStringLiteral("Mot qui rime avec lui-même"), &VerseOptions::selfRhyme},
        {QStringLiteral("Hiatus"), &VerseOptions::hiatus},
        {QStringLiteral("Vers hors mètre"), &VerseOptions::offMetre},
        {QStringLiteral("Césure"), &VerseOptions::caesura},
    };
    return list;
}

VerseOptions fromFlags(const QString &flags)
{
    VerseOptions options;
    const QList<Check> &list = checks();
    if (flags.size() != list.size())
        return options;
    for (QChar c : flags) {
        if (c != u'0' && c != u'1')
            return options;
    }
    for (qsizetype i = 0; i < list.size(); ++i)
        options.*(list[i].option) = flags[i] == u'1';
    return options;
}

QString toFlags(const VerseOptions &options)
{
    QString flags;
    for (const Check &check : checks())
        flags += options.*(check.option) ? u'1' : u'0';
    return flags;
}

} // namespace AtelierWarnings
