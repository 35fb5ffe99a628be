#include "ui/windows/MailLink.h"

#include "ui/windows/ShellOpen.h"

#include <QByteArray>
#include <QStringList>

namespace {
bool isPlainAscii(unsigned char byte)
{
    return (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
}

// "key=" + piece + "&" for every non-empty piece of a ";"-separated list.
QString recipientPart(const QString &key, const QString &list)
{
    QString part;
    for (const QString &piece : list.split(QLatin1Char(';'))) {
        if (!piece.isEmpty())
            part += key + QLatin1Char('=') + piece + QLatin1Char('&');
    }
    return part;
}
} // namespace

QString PercentEncode(QStringView text)
{
    static constexpr char kHex[] = "0123456789ABCDEF";
    const QByteArray bytes = text.toUtf8();
    QString encoded;
    encoded.reserve(bytes.size() * 3);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (isPlainAscii(byte)) {
            encoded += QLatin1Char(c);
        } else {
            encoded += QLatin1Char('%');
            encoded += QLatin1Char(kHex[byte >> 4]);
            encoded += QLatin1Char(kHex[byte & 0x0F]);
        }
    }
    return encoded;
}

QString MailLinkText(const QString &to, const QString &cc, const QString &bcc,
                     const QString &subject, const QString &body)
{
    if (to.isEmpty())
        return {};
    QString recipients = recipientPart(QStringLiteral("to"), to);
    if (!cc.isEmpty())
        recipients += recipientPart(QStringLiteral("cc"), cc);
    if (!bcc.isEmpty())
        recipients += recipientPart(QStringLiteral("bcc"), bcc);
    recipients.chop(1);
    if (recipients.isEmpty())
        return {};

    // Subject and body are encoded alike: a "&", "?", "=" or "#" left as
    // typed would add a recipient or a field to the link, or cut it short.
    QString tail;
    const QString encodedSubject = PercentEncode(subject);
    if (!encodedSubject.isEmpty())
        tail += QStringLiteral("&Subject=") + encodedSubject;
    const QString encodedBody = PercentEncode(body);
    if (!encodedBody.isEmpty())
        tail += QStringLiteral("&Body=") + encodedBody;
    return QStringLiteral("mailto:?") + recipients + tail;
}

bool OpenMailLink(const QString &to, const QString &cc, const QString &bcc,
                  const QString &subject, const QString &body)
{
    const QString link = MailLinkText(to, cc, bcc, subject, body);
    if (link.isEmpty())
        return false;
    const Shell::Desktop &desktop = Shell::desktop();
    return desktop.openUrl && desktop.openUrl(Shell::targetUrl(link));
}

bool MailPublisher(const QString &subject, const QString &body)
{
    return OpenMailLink(QString::fromLatin1(PublisherAddress), QString(), QString(), subject, body);
}
