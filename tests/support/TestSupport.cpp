#include "support/TestSupport.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

namespace TestSupport {

QByteArray wordListLine(const QString &headword, const QString &exact, const QString &approx,
                        const QString &tail, int conjugated, int syllables, const QString &categories)
{
    const QString cipher = WordEncipher(headword, WordKey());
    const QString plain = QStringList {exact, approx, tail, QString::number(conjugated),
                                       QString::number(syllables), categories}.join(QLatin1Char('@'));
    QByteArray line = TextCodec::toWindows1252(cipher);
    // The stored form writes commas of the cipher text as "£".
    line.replace(',', '\xA3');
    return line + '@' + TextCodec::toWindows1252(plain);
}

QByteArray wordListItem(const QList<QByteArray> &lines)
{
    QByteArray item;
    for (const QByteArray &line : lines)
        item += line + "\r\n";
    return item + QByteArray(3, '\0');
}

} // namespace TestSupport
