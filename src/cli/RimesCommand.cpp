#include "cli/RimesCommand.h"

#include "search/QueryPreparation.h"
#include "search/RhymeGenre.h"

#include <optional>

namespace {

QString syllableValue(const QString &value)
{
    if (value.compare(QLatin1String("toutes"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("Toutes");
    if (value.size() == 1 && value[0] >= QLatin1Char('1') && value[0] <= QLatin1Char('9'))
        return value;
    return {};
}

QString categoryValue(const QString &value)
{
    for (const char *name : {"Toutes", "Adjectif", "Nom", "Verbe"}) {
        if (value.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(name);
    }
    return {};
}

// "masculine" or "feminine" (also "féminine", any case) to the caption of
// the window's genre list; "toutes" to "Toutes".
QString genreValue(const QString &value)
{
    if (value.compare(QLatin1String("toutes"), Qt::CaseInsensitive) == 0)
        return GenreAll;
    if (value.compare(QLatin1String("masculine"), Qt::CaseInsensitive) == 0)
        return GenreMasculineCaption;
    if (value.compare(QLatin1String("feminine"), Qt::CaseInsensitive) == 0
        || value.compare(GenreFeminineCaption, Qt::CaseInsensitive) == 0)
        return GenreFeminineCaption;
    return {};
}

// Splits "--name=value" and finds the value of an option that needs one,
// either after "=" or as the next argument.
struct ValuedOption {
    QString name;
    std::optional<QString> inlineValue;
};

ValuedOption splitOption(const QString &argument)
{
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {argument, std::nullopt};
    return {argument.left(equals), argument.mid(equals + 1)};
}

// The short options that take a value (-l 3, or -l3 attached).
bool shortOptionTakesValue(QChar letter)
{
    return QStringLiteral("lscg").contains(letter);
}

} // namespace

QStringList ExpandShortOptions(const QStringList &arguments)
{
    QStringList expanded;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        // "-g=feminine" keeps its "=" form, read like the long options.
        const bool grouped = !optionsEnded && argument.size() > 2 && argument.startsWith(QLatin1Char('-'))
                             && argument[1] != QLatin1Char('-') && argument[2] != QLatin1Char('=');
        if (argument == QLatin1String("--"))
            optionsEnded = true;
        if (!grouped) {
            expanded.append(argument);
            continue;
        }
        // "-rp" is "-r -p"; "-s2" and "-rs2" end with "-s 2".
        for (qsizetype i = 1; i < argument.size(); ++i) {
            const QChar letter = argument[i];
            expanded.append(QStringLiteral("-") + letter);
            if (shortOptionTakesValue(letter) && i + 1 < argument.size()) {
                expanded.append(argument.mid(i + 1));
                break;
            }
        }
    }
    return expanded;
}

RimesParse ParseRimesArguments(const QStringList &givenArguments, const StandardInputWord &readStandardInput)
{
    const QStringList arguments = ExpandShortOptions(givenArguments);
    RimesParse parse;
    RimesRequest &request = parse.request;
    SearchParameters &p = request.parameters;
    bool kindChosen = false;
    bool rich = false;
    bool approx = false;
    bool endings = false;
    QStringList words;
    bool optionsEnded = false;

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
            words.append(argument);
            continue;
        }
        if (argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        const ValuedOption option = splitOption(argument);
        const QString &name = option.name;
        auto takeValue = [&]() -> std::optional<QString> {
            if (option.inlineValue)
                return option.inlineValue;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        auto flag = [&](bool &target) {
            if (option.inlineValue) {
                parse.error = QStringLiteral("L'option %1 ne prend pas de valeur.").arg(name);
                return;
            }
            target = true;
        };

        if (name == QLatin1String("-h") || name == QLatin1String("--aide") || name == QLatin1String("--help")) {
            request.action = RimesRequest::Action::Help;
            return parse;
        } else if (name == QLatin1String("--version")) {
            request.action = RimesRequest::Action::Version;
            return parse;
        } else if (name == QLatin1String("-r") || name == QLatin1String("--riches")) {
            flag(rich);
            kindChosen = true;
        } else if (name == QLatin1String("-p") || name == QLatin1String("--pauvres")) {
            flag(approx);
            kindChosen = true;
        } else if (name == QLatin1String("-t") || name == QLatin1String("--terminaisons")) {
            flag(endings);
            kindChosen = true;
        } else if (name == QLatin1String("-l") || name == QLatin1String("--lettres")) {
            const std::optional<QString> value = takeValue();
            bool number = false;
            const int length = value ? value->toInt(&number) : 0;
            if (!number || length < 2 || length > 5)
                parse.error = QStringLiteral("Valeur incorrecte pour --lettres : %1 (attendu : 2, 3, 4 ou 5).")
                                  .arg(value.value_or(QStringLiteral("rien")));
            else
                p.endingLength = length;
        } else if (name == QLatin1String("-s") || name == QLatin1String("--syllabes")) {
            const std::optional<QString> value = takeValue();
            const QString syllables = value ? syllableValue(*value) : QString();
            if (syllables.isEmpty())
                parse.error = QStringLiteral("Valeur incorrecte pour --syllabes : %1 (attendu : Toutes ou 1 à 9).")
                                  .arg(value.value_or(QStringLiteral("rien")));
            else
                p.syllableFilter = syllables;
        } else if (name == QLatin1String("-c") || name == QLatin1String("--categorie")
                   || name == QStringLiteral("--cat\u00E9gorie")) {
            const std::optional<QString> value = takeValue();
            const QString category = value ? categoryValue(*value) : QString();
            if (category.isEmpty())
                parse.error = QStringLiteral("Valeur incorrecte pour --categorie : %1 "
                                             "(attendu : Toutes, Adjectif, Nom ou Verbe).")
                                  .arg(value.value_or(QStringLiteral("rien")));
            else {
                p.categoryFilter = category;
                p.categoryCode = CategoryCodeFor(category);
            }
        } else if (name == QLatin1String("-g") || name == QLatin1String("--genre")) {
            const std::optional<QString> value = takeValue();
            const QString genre = value ? genreValue(*value) : QString();
            if (genre.isEmpty())
                parse.error = QStringLiteral("Valeur incorrecte pour --genre : %1 "
                                             "(attendu : masculine ou feminine).")
                                  .arg(value.value_or(QStringLiteral("rien")));
            else
                p.genreFilter = genre;
        } else if (name == QLatin1String("-x") || name == QLatin1String("--sans-conjugues")
                   || name == QStringLiteral("--sans-conjugu\u00E9s")) {
            flag(p.excludeConjugated);
        } else if (name == QLatin1String("-d") || name == QLatin1String("--doublons")) {
            flag(p.showDuplicates);
        } else if (name == QLatin1String("-a") || name == QLatin1String("--alphabetique")
                   || name == QStringLiteral("--alphab\u00E9tique")) {
            flag(p.alphabetical);
        } else if (name == QLatin1String("--json")) {
            flag(request.json);
        } else if (name == QLatin1String("--scander")) {
            const std::optional<QString> value = takeValue();
            if (!value || value->isEmpty())
                parse.error = QStringLiteral("--scander attend un fichier (ou - pour l'entr\u00E9e standard).");
            else {
                request.action = RimesRequest::Action::Scan;
                request.scanFile = *value;
            }
        } else if (name == QLatin1String("--export")) {
            bool exportAll = false;
            flag(exportAll);
            if (exportAll)
                request.action = RimesRequest::Action::Export;
        } else {
            parse.error = QStringLiteral("Option inconnue : %1 (voir rimes --aide).").arg(argument);
        }
        if (!parse.ok())
            return parse;
    }

    if (kindChosen) {
        p.richRhymes = rich;
        p.approxRhymes = approx;
        p.wordEndings = endings;
    }

    if (!request.scanFile.isEmpty() && request.action != RimesRequest::Action::Scan) {
        parse.error = QStringLiteral("--export et --scander ne vont pas ensemble.");
        return parse;
    }
    if (request.action == RimesRequest::Action::Scan) {
        if (!words.isEmpty())
            parse.error = QStringLiteral("--scander lit un po\u00E8me : ne donnez pas de mot.");
        return parse;
    }
    if (request.action == RimesRequest::Action::Export) {
        if (!words.isEmpty())
            parse.error = QStringLiteral("--export exporte toute la liste des mots : ne donnez pas de mot.");
        else if (request.json)
            parse.error = QStringLiteral("--export et --json ne vont pas ensemble.");
        return parse;
    }
    if (words.isEmpty() && readStandardInput) {
        if (const std::optional<QString> word = readStandardInput())
            words.append(*word);
    }
    if (words.isEmpty()) {
        parse.error = QStringLiteral("Donnez un mot \u00E0 rimer (voir rimes --aide).");
        return parse;
    }
    if (words.size() > 1) {
        parse.error = QStringLiteral("Un seul mot \u00E0 la fois : %1 (reliez les mots d'une expression "
                                     "par un trait d'union).").arg(words.join(QLatin1Char(' ')));
        return parse;
    }

    // The word goes through the input box's filter, then its length limit.
    request.givenWord = words.first();
    QString typed = FilterInputText(request.givenWord);
    if (typed.size() > InputMaxLength) {
        typed.truncate(InputMaxLength);
        request.notes.append(QStringLiteral("Le mot est limit\u00E9 \u00E0 %1 caract\u00E8res, comme dans la zone "
                                            "de saisie : \u00AB %2 \u00BB.").arg(QString::number(InputMaxLength), typed));
    } else if (LastWordAfterApostrophe(request.givenWord) != request.givenWord) {
        request.notes.append(QStringLiteral("Mot recherch\u00E9 : \u00AB %1 \u00BB (le dernier mot, apr\u00E8s "
                                            "l'apostrophe).").arg(typed));
    } else if (typed != SpellOutLigatures(request.givenWord)) {
        request.notes.append(QStringLiteral("Mot recherch\u00E9 : \u00AB %1 \u00BB (caract\u00E8res non admis "
                                            "retir\u00E9s).").arg(typed));
    }
    p.typedText = typed;
    if (typed.size() < MinimumSearchLength) {
        parse.error = QStringLiteral("Le mot \u00AB %1 \u00BB est trop court : il faut au moins %2 caract\u00E8res "
                                     "admis (lettres, lettres accentu\u00E9es, trait d'union).")
                          .arg(request.givenWord, QString::number(MinimumSearchLength));
    }
    return parse;
}

QString RimesHelpText()
{
    return QStringLiteral(
        "Usage : rimes [options] MOT\n"
        "        rimes [options] < FICHIER\n"
        "        rimes --export\n"
        "        rimes --scander FICHIER\n"
        "\n"
        "Cherche dans le dictionnaire de rimes de Versalune les mots qui riment avec MOT\n"
        "et les affiche comme la fen\u00EAtre principale : rimes riches, rimes pauvres ou\n"
        "suffisantes, terminaison des mots, puis les rimes sur lesquelles la recherche\n"
        "s'est bas\u00E9e. Le mot est filtr\u00E9 comme dans la zone de saisie : seules les\n"
        "lettres, les lettres accentu\u00E9es et le trait d'union restent (\u00AB \u0153 \u00BB\n"
        "et \u00AB \u00E6 \u00BB s'\u00E9crivent \u00AB oe \u00BB et \u00AB ae \u00BB), 40 caract\u00E8res au plus,\n"
        "2 au moins ; les majuscules ne comptent pas (\u00AB Lune \u00BB rime comme \u00AB lune \u00BB).\n"
        "Sans MOT, le mot est lu sur la premi\u00E8re ligne de l'entr\u00E9e standard quand\n"
        "elle n'est pas un terminal. Les options courtes se groupent (-rp) et prennent\n"
        "leur valeur coll\u00E9e (-s2) ; les longues aussi apr\u00E8s \u00AB = \u00BB (--syllabes=2).\n"
        "\n"
        "Recherches (par d\u00E9faut les trois) :\n"
        "  -r, --riches            rimes riches\n"
        "  -p, --pauvres           rimes pauvres ou suffisantes\n"
        "  -t, --terminaisons      terminaison des mots\n"
        "\n"
        "Options de la recherche :\n"
        "  -l, --lettres N         nombre de derni\u00E8res lettres de la terminaison,\n"
        "                          2 \u00E0 5 (par d\u00E9faut 5)\n"
        "  -s, --syllabes N        nombre de syllabes : Toutes (par d\u00E9faut) ou 1 \u00E0 9\n"
        "  -c, --categorie NOM     cat\u00E9gorie du mot : Toutes (par d\u00E9faut), Adjectif,\n"
        "                          Nom ou Verbe\n"
        "  -g, --genre GENRE       genre de la rime : masculine ou feminine (par d\u00E9faut\n"
        "                          toutes) ; une rime f\u00E9minine finit par un e muet\n"
        "                          (-e, -es, -ent muet des verbes)\n"
        "  -x, --sans-conjugues    exclure les verbes conjugu\u00E9s\n"
        "  -d, --doublons          garder dans les rimes pauvres les mots d\u00E9j\u00E0 list\u00E9s\n"
        "                          parmi les rimes riches\n"
        "  -a, --alphabetique      classer les rimes par ordre alphab\u00E9tique (par d\u00E9faut\n"
        "                          les mots les plus courants d'abord)\n"
        "\n"
        "Sorties :\n"
        "  --json                  le r\u00E9sultat en un objet JSON\n"
        "  --export                toute la liste des mots, d\u00E9chiffr\u00E9e, en texte UTF-8\n"
        "                          s\u00E9par\u00E9 par des tabulations : mot, rime exacte, rime\n"
        "                          approchante, terminaison \u00E9crite, conjugu\u00E9 (0 ou 1),\n"
        "                          syllabes, cat\u00E9gories, genre de la rime (masculine\n"
        "                          ou feminine)\n"
        "  --scander FICHIER       scander un po\u00E8me (- : l'entr\u00E9e standard) : pour\n"
        "                          chaque vers, ses syllabes, la lettre de sa rime, son\n"
        "                          genre et ses alertes ; avec --json un objet JSON\n"
        "  -h, --aide, --help      cette aide\n"
        "  --version               la version du programme\n"
        "\n"
        "Code de sortie : 0 des rimes trouv\u00E9es, 1 aucune, 2 erreur dans la commande,\n"
        "3 liste des mots illisible, 4 r\u00E9sultat impossible \u00E0 \u00E9crire.\n");
}
