#include "lexicon/InternalErrorReport.h"

#include "lexicon/AppGlobals.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");
}

void InternalErrorReport::record(const RuntimeError &error, const QString &code)
{
    errorText = error.text;
    errorNumber = error.number;
    errorCode = code;
}

InternalErrorReport &InternalErrorReport::instance()
{
    static InternalErrorReport report;
    return report;
}

namespace ErrorTexts {

QString errorWindowText(const InternalErrorReport &report)
{
    QString messageText;
    if (report.errorNumber == RuntimeError::FileNotFound || report.errorNumber == RuntimeError::ReadPastEnd) {
        messageText = QStringLiteral("Un des fichiers est absent ou corrompu.") + kCrLf
            + QStringLiteral("Cette erreur est certainement du à un mauvais téléchargement du programme d'installation.")
            + kCrLf + QStringLiteral("Solution : désinstallez le programme, re-téléchargez-le à partir du site ")
            + QString::fromLatin1(AppGlobals::PublisherWebAddress)
            + QStringLiteral(", faites une nouvelle installation.");
    }
    return QStringLiteral("Erreur n° ") + QString::number(report.errorNumber) + QStringLiteral(" - ")
        + report.errorCode + QStringLiteral(".") + kCrLf + kCrLf + report.errorText + kCrLf + messageText;
}

bool stopsLoading(const QString &errorCode)
{
    bool ok = false;
    const int place = errorCode.right(3).toInt(&ok);
    return ok && place >= 101 && place <= 109;
}

QString fileErrorMessage(const InternalErrorReport &report, DataFile file)
{
    const bool synonyms = file == DataFile::Synonyms;
    return QStringLiteral("Erreur n° ") + QString::number(report.errorNumber) + QStringLiteral(" - ")
        + report.errorCode + kCrLf
        + (synonyms ? QStringLiteral("Impossible de charger le dictionnaire.")
                    : QStringLiteral("Impossible de charger le dictionnaire des homonymes."))
        + kCrLf
        + (synonyms ? QStringLiteral("Le fichier ''listsyno.ret'' est introuvable ou corrompu.      ")
                    : QStringLiteral("Le fichier ''listhomo.ret'' est introuvable ou corrompu.      "));
}

QString synonymErrorMessage(const InternalErrorReport &report)
{
    return report.errorText + QString(17, QLatin1Char(' ')) + kCrLf + QStringLiteral("Erreur interne ")
        + report.errorCode + QStringLiteral(" - ") + QString::number(report.errorNumber);
}

} // namespace ErrorTexts
