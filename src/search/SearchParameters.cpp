#include "search/SearchParameters.h"

QString CategoryCodeFor(const QString &categoryFilter)
{
    if (categoryFilter == QLatin1String("Adjectif"))
        return QStringLiteral("ADJ");
    if (categoryFilter == QLatin1String("Nom"))
        return QStringLiteral("NOM");
    if (categoryFilter == QLatin1String("Verbe"))
        return QStringLiteral("VER");
    return {};
}
