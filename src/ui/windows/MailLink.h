#pragma once

// The e-mail link handed to the desktop: "mailto:?" with the recipients, the
// subject and the percent-encoded message text. Plain strings in, no window.
#include <QString>
#include <QStringView>

// The publisher's contact address, shown in the contact window and used as
// the recipient of its messages.
inline constexpr const char *PublisherAddress = "contact@versalune.fr";

// Every byte of the text's UTF-8 form that is not an ASCII letter or digit
// becomes "%" and two upper-case hexadecimal digits: mail programs read the
// fields of a mailto link as UTF-8.
QString PercentEncode(QStringView text);

// The whole link, or an empty text when there is no recipient to write to.
// The subject goes in as typed, except "#", which would cut the link short.
QString MailLinkText(const QString &to, const QString &cc, const QString &bcc,
                     const QString &subject, const QString &body);

// Builds the link and hands it to the desktop; does nothing without a
// recipient. True when a mail program took the link. A refused link is not
// offered to be opened another way: the caller says so and keeps its text.
bool OpenMailLink(const QString &to, const QString &cc, const QString &bcc,
                  const QString &subject, const QString &body);

// Opens the user's mail program on a message to the publisher; true when it opened.
bool MailPublisher(const QString &subject, const QString &body);
