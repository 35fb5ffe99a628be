#include "lexicon/RuntimeError.h"

RuntimeError RuntimeError::fileNotFound(const QString &fileName)
{
    return {FileNotFound, QStringLiteral("Fichier introuvable : %1").arg(fileName)};
}

RuntimeError RuntimeError::readPastEnd(const QString &fileName)
{
    return {ReadPastEnd, QStringLiteral("Lecture au-delà de la fin du fichier : %1").arg(fileName)};
}

RuntimeError RuntimeError::outOfRange()
{
    return {OutOfRange, QStringLiteral("L'indice n'appartient pas à la sélection.")};
}

RuntimeError RuntimeError::typeMismatch()
{
    return {TypeMismatch, QStringLiteral("Type incompatible.")};
}

RuntimeError RuntimeError::invalidCall()
{
    return {InvalidCall, QStringLiteral("Appel de procédure ou argument incorrect.")};
}

RuntimeError RuntimeError::overflow()
{
    return {Overflow, QStringLiteral("Dépassement de capacité.")};
}

RuntimeError RuntimeError::itemNotFound(const QString &type, int id)
{
    return {ItemNotFound,
            QStringLiteral("Donnée intégrée introuvable : %1 (%2).").arg(type, QString::number(id))};
}

RuntimeError RuntimeError::fileError(const QString &fileName, const QString &reason)
{
    return {75, QStringLiteral("Erreur d'accès au fichier %1 : %2").arg(fileName, reason)};
}

RuntimeError RuntimeError::noRecord(const QString &itemName)
{
    return {ReadPastEnd, QStringLiteral("Aucune ligne utilisable dans %1.").arg(itemName)};
}

RuntimeError RuntimeError::fileUnreadable(const QString &fileName, const QString &reason)
{
    return {FileNotFound, QStringLiteral("Fichier illisible : %1 (%2)").arg(fileName, reason)};
}
