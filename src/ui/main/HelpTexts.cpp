#include "ui/main/HelpTexts.h"

#include <QStringList>

namespace {
// Some lines end with six blanks: they are part of the text.
const QStringList &lines(int index)
{
    static const QStringList texts[HelpTexts::Count] = {
        {
            QString(),
            QStringLiteral("Une rime est riche lorsqu'il y a  reprise d'au moins trois      "),
            QStringLiteral("phonèmes ou plus, dont la dernière voyelle."),
            QStringLiteral("Exemples:"),
            QStringLiteral("    porte  / morte"),
            QStringLiteral("    mineur / bonheur"),
            QString(),
            QStringLiteral("Phonème: son du langage, élément sonore distinctif"),
            QStringLiteral("du langage articulé."),
        },
        {
            QStringLiteral("Une rime est pauvre quand il n'y a qu'un seul élément vocalique commun      "),
            QStringLiteral("ou une simple proximité phonétique."),
            QStringLiteral("Exemples:"),
            QStringLiteral("    battu / perdu"),
            QStringLiteral("    feu / peu"),
            QString(),
            QString(),
            QStringLiteral("Une rime est dite suffisante lorsqu'il a deux phonèmes      "),
            QStringLiteral("en commun."),
            QStringLiteral("Exemples :"),
            QStringLiteral("    cheval / fatal"),
            QStringLiteral("    brise / vise"),
            QString(),
            QStringLiteral("Phonème: son du langage, élément sonore distinctif"),
            QStringLiteral("du langage articulé."),
        },
        {
            QStringLiteral("Terminaison des mots :"),
            QStringLiteral("La recherche sera effectuée sur l'extrémité du mot en fonction      "),
            QStringLiteral("d'un nombre défini de lettres."),
        },
        {
            QStringLiteral("La recherche sur la terminaison des mots  se fera en fonction du      "),
            QStringLiteral("nombre de lettres que vous aurez sélectionné. Plus le nombre"),
            QStringLiteral("est élevé, moins il y a de solutions possibles."),
        },
        {
            QStringLiteral("Exclure certaines conjugaisons :"),
            QStringLiteral("Afin de limiter le nombre de solutions dans une recherche, les verbes      "),
            QStringLiteral("conjugués ne seront pas être pris en compte."),
        },
    };
    return texts[index];
}
} // namespace

namespace HelpTexts {

QString text(int index)
{
    if (index < 0 || index >= Count)
        return {};
    return lines(index).join(QStringLiteral("\r\n"));
}

} // namespace HelpTexts
