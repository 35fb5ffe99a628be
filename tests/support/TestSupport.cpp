#include "support/TestSupport.h"

#include "lexicon/DataSizes.h"
#include "lexicon/TextCodec.h"

#include <QFile>

#include <sys/stat.h>
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

QByteArray synonymFile()
{
    QByteArray file;
    for (int block = 0; block < 26; ++block) {
        const QChar letter(QLatin1Char(char('a' + block)));
        const bool enciphered = block == 'h' - 'a' || block == 'q' - 'a' || block == 'u' - 'a';
        for (int n = 1; n <= DataSizes::kSynonymBlockSizes[block]; ++n) {
            const QString head = QStringLiteral("%1mot%2").arg(letter).arg(n);
            QByteArray stored = TextCodec::toWindows1252(enciphered ? WordEncipher(head, WordKey()) : head);
            if (block == 'h' - 'a')
                stored.replace(',', '\xA3');
            file += stored + "@synonyme" + QByteArray::number(n) + "\r\n";
        }
    }
    return file;
}

QByteArray homonymFile(int lines)
{
    QByteArray file;
    for (int n = 1; n <= lines; ++n)
        file += "mot" + QByteArray::number(n) + "@homonyme" + QByteArray::number(n) + "\r\n";
    return file;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

bool makeFifo(const QString &path)
{
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

} // namespace TestSupport
