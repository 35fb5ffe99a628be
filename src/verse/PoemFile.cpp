#include "verse/PoemFile.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace PoemFile {
namespace {
// A poem is small; anything much larger is not one.
constexpr qint64 kLargestPoem = 16 * 1024 * 1024;

QString shownName(const QString &path)
{
    return QFileInfo(path).fileName();
}
} // namespace

ReadResult decode(const QByteArray &bytes, const QString &fileName)
{
    ReadResult result;
    if (bytes.contains('\0')) {
        result.error = QStringLiteral("Le fichier « %1 » n'est pas un texte : il contient des données binaires. "
                                      "Il n'a pas été ouvert.").arg(fileName);
        return result;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        result.error = QStringLiteral("Le fichier « %1 » n'est pas un texte en UTF-8. "
                                      "Il n'a pas été ouvert, pour ne pas en abîmer les lettres.").arg(fileName);
        return result;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    result.ok = true;
    result.text = text;
    return result;
}

ReadResult read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ReadResult result;
        result.error = QStringLiteral("Impossible de lire le fichier « %1 » : %2.").arg(shownName(path), file.errorString());
        return result;
    }
    if (file.size() > kLargestPoem) {
        ReadResult result;
        result.error = QStringLiteral("Le fichier « %1 » est trop grand pour être un poème. Il n'a pas été ouvert.")
                           .arg(shownName(path));
        return result;
    }
    return decode(file.readAll(), shownName(path));
}

bool save(const QString &path, const QString &text, QString *error)
{
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        if (error)
            *error = QStringLiteral("Impossible d'enregistrer « %1 » : %2. Le poème est toujours dans la fenêtre.")
                         .arg(shownName(path), file.errorString());
        return false;
    }
    return true;
}
} // namespace PoemFile
