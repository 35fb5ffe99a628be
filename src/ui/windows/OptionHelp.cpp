#include "ui/windows/OptionHelp.h"

#include <QStringList>
#include <array>

namespace {
// The six trailing blanks of some lines belong to the texts.
const std::array<QStringList, OptionHelp::Count> &allLines()
{
    static const std::array<QStringList, OptionHelp::Count> lines {
        QStringList {
            QStringLiteral("Si coché, quand on quitte le programme, les options de la recherche      "),
            QStringLiteral("sont sauvegardées."),
            QString(),
        },
        QStringList {
            QStringLiteral("Les solutions déjà affichées dans une liste ne seront pas affichées      "),
            QStringLiteral("dans la liste suivante."),
            QStringLiteral("Pour une recherche plus ciblée, il est conseillé de ne pas cocher"),
            QStringLiteral("cette case."),
        },
        QStringList {
            QString(),
            QStringLiteral("Si non coché, n'affichera pas les messages qui n'ont pas      "),
            QStringLiteral("une importance essentielle."),
        },
        QStringList {
            QStringLiteral("Vérifier automatiquement l'orthographe du mot proposé.      "),
        },
        QStringList {
            QStringLiteral("Dans la recherche de l'orthographe, inclure les mots ayant une lettre      "),
            QStringLiteral("de plus ou de moins que le mot à rechercher."),
        },
        QStringList {
            QStringLiteral("Si coché, les rimes de chaque liste sont classées par ordre      "),
            QStringLiteral("alphabétique."),
            QStringLiteral("Sinon, les mots les plus courants viennent en tête de liste."),
        },
        QStringList {
            QStringLiteral("Si coché, les résultats s'affichent dès que la recherche est finie,      "),
            QStringLiteral("sans les pauses entre les listes."),
        },
        QStringList {
            QStringLiteral("Si coché, les fenêtres prennent le cadre, la barre de titre et les      "),
            QStringLiteral("couleurs du bureau (un bureau sombre donne des fenêtres sombres)."),
            QStringLiteral("Le changement prend effet au prochain démarrage du programme."),
        },
    };
    return lines;
}
} // namespace

namespace OptionHelp {

QString text(int index)
{
    if (index < 0 || index >= Count)
        return {};
    return allLines()[index].join(QStringLiteral("\r\n"));
}

} // namespace OptionHelp
