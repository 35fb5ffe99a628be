#pragma once

// The contact form's four fields, whether they are all filled in, and the
// message text made of them.
#include <QString>
#include <array>

namespace MailForm {
// In the order they are checked.
enum Field { Nom, Prenom, Objet, Texte, FieldCount };

struct Fields {
    QString name;
    QString firstName;
    QString subject;
    QString message;
};

struct Completeness {
    std::array<bool, FieldCount> missing {};
    // The last missing field in checking order, which keeps the focus; -1 when none.
    int focusField = -1;
    bool complete() const { return focusField < 0; }
};

// Only an empty field is missing: blanks count as filled in.
Completeness check(const Fields &fields);

// "Nom: ", the name, "Prénom: ", the first name, an empty line, the message.
QString body(const Fields &fields);

QString incompleteMessage();

// Shown when no mail program took the message; the form keeps its text.
QString noMailProgramMessage();
} // namespace MailForm
