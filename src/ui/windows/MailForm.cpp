#include "ui/windows/MailForm.h"

namespace MailForm {

Completeness check(const Fields &fields)
{
    const std::array<const QString *, FieldCount> texts {&fields.name, &fields.firstName, &fields.subject,
                                                         &fields.message};
    Completeness result;
    for (int field = 0; field < FieldCount; ++field) {
        if (texts[field]->isEmpty()) {
            result.missing[field] = true;
            result.focusField = field;
        }
    }
    return result;
}

QString body(const Fields &fields)
{
    return QStringLiteral("Nom: ") + fields.name + QStringLiteral("\r\nPrénom: ") + fields.firstName
        + QStringLiteral("\r\n\r\n") + fields.message;
}

QString incompleteMessage()
{
    return QStringLiteral("Le formulaire est incomplet.      ");
}

QString noMailProgramMessage()
{
    return QStringLiteral("Aucun programme de courrier n'a pu ouvrir le message.\n"
                          "Votre texte est gardé dans le formulaire : vous pouvez le copier "
                          "ou réessayer après avoir choisi un programme de courrier.");
}

} // namespace MailForm
