#include "ui/windows/SearchTips.h"

#include <QStringList>

namespace {
SearchTips::Tip makeTip(const QString &title, const QStringList &lines)
{
    return {title, lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")};
}

const std::array<SearchTips::Tip, SearchTips::Count> &allTips()
{
    static const std::array<SearchTips::Tip, SearchTips::Count> tips {
        makeTip(QStringLiteral("Conseils :"),
                {
                    QStringLiteral("Le mot à rechercher doit être orthographié correctement. Si vous validez \"épitafe\" au lieu "),
                    QStringLiteral("de \"épitaphe\", le résultat sera différent."),
                    QStringLiteral("L'emploi du masculin singulier est recommandé."),
                }),
        makeTip(QStringLiteral("Indications :"),
                {
                    QStringLiteral("Les lettres avec accent  \"à â ä è ê ë î ô ö ù û\"  ainsi que la cédille ne sont pas prises en "),
                    QStringLiteral("compte, par contre  le  \"é\"  accent aigu, doit bien être indiqué."),
                }),
        makeTip(QStringLiteral("Astuces :"),
                {
                    QStringLiteral("Le résultat le plus pertinent sera souvent obtenu en ne recherchant que la rime elle-même."),
                    QStringLiteral("Si vous recherchez une rime pour le mot \"illusion\", validez simplement \"usion\". Pour le mot \"emporter\", validez \"orté\"."),
                    QStringLiteral("Faites toujours plusieurs essais en modifiant la terminaison du mot recherché."),
                }),
        makeTip(QStringLiteral("Catégories des rimes :"),
                {
                    QStringLiteral("Une rime est pauvre quand il n'y a qu'un seul élément vocalique commun ou une simple proximité phonétique."),
                    QStringLiteral("Exemples: battu / perdu  -  feu / peu"),
                    QString(),
                    QStringLiteral("Une rime est dite suffisante lorsqu'il a deux phonèmes en commun."),
                    QStringLiteral("Exemples : cheval / fatal  -  brise / vise"),
                    QString(),
                    QStringLiteral("Une rime est riche lorsqu'il y a  reprise d'au moins trois phonèmes ou plus, dont la dernière voyelle."),
                    QStringLiteral("Exemples: porte  / morte  -  mineur / bonheur"),
                    QString(),
                    QStringLiteral("Phonème: son du langage, élément sonore distinctif du langage articulé."),
                }),
        makeTip(QStringLiteral("Correcteur d'orthographe :"),
                {
                    QStringLiteral("Un correcteur vérifie la bonne orthographe des mots saisis, en cas d'erreur il propose des solutions. Vous pouvez choisir d'utiliser ou non cette option."),
                }),
    };
    return tips;
}
} // namespace

namespace SearchTips {

const Tip &tip(int index)
{
    return allTips().at(static_cast<std::size_t>(index));
}

} // namespace SearchTips
