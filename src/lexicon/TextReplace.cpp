#include "lexicon/TextReplace.h"

namespace {
bool isBlankOnly(const QString &text)
{
    for (const QChar c : text) {
        if (c != QLatin1Char(' '))
            return false;
    }
    return true;
}
} // namespace

QString sChangeCaractere(const QString &laChaine, const QString &oldText,
                         const QString &newText, int *replacements)
{
    if (oldText.isEmpty() || isBlankOnly(laChaine))
        return laChaine;
    QString result;
    result.reserve(laChaine.size());
    qsizetype from = 0;
    for (;;) {
        const qsizetype at = laChaine.indexOf(oldText, from, Qt::CaseSensitive);
        if (at < 0)
            break;
        result += QStringView(laChaine).mid(from, at - from);
        result += newText;
        from = at + oldText.size();
        if (replacements)
            ++*replacements;
    }
    result += QStringView(laChaine).mid(from);
    return result;
}
