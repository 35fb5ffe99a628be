#include "cli/RimesScansion.h"

#include "lexicon/RegularFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringDecoder>

#include <cstdio>

namespace {
// A poem larger than this is not a poem.
constexpr qint64 PoemLimit = 16 * 1024 * 1024;

QString genreLetter(const PoemLine &line) { return line.scan.genre == RhymeGenre::Feminine ? QStringLiteral("f") : QStringLiteral("m"); }
} // namespace

PoemFileRead PoemFromBytes(const QByteArray &bytes, const QString &name)
{
    PoemFileRead read;
    if (bytes.size() > PoemLimit) {
        read.error = QStringLiteral("%1 est trop grand pour un po\u00E8me.").arg(name);
        return read;
    }
    if (bytes.contains('\0')) {
        read.error = QStringLiteral("%1 n'est pas un fichier texte.").arg(name);
        return read;
    }
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError()) {
        read.error = QStringLiteral("%1 n'est pas un texte UTF-8 valide.").arg(name);
        return read;
    }
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (text.endsWith(QLatin1Char('\n')))
        text.chop(1);
    read.text = text;
    return read;
}

PoemFileRead ReadPoemFile(const QString &path)
{
    if (path == QLatin1String("-")) {
        QFile input;
        if (!input.open(stdin, QIODevice::ReadOnly))
            return {{}, QStringLiteral("Impossible de lire l'entr\u00E9e standard.")};
        const QByteArray bytes = input.read(PoemLimit + 1);
        return PoemFromBytes(bytes, QStringLiteral("L'entr\u00E9e standard"));
    }
    const RegularFileRead file = ReadRegularFile(path, PoemLimit + 1);
    if (!file.ok())
        return {{}, file.outcome == RegularFileRead::Outcome::Missing
                        ? QStringLiteral("Fichier introuvable : %1").arg(path)
                        : QStringLiteral("Impossible de lire %1 : %2").arg(path, file.reason)};
    return PoemFromBytes(file.bytes, path);
}

QByteArray ScansionText(const QList<PoemLine> &lines)
{
    QString out;
    for (const PoemLine &line : lines) {
        if (line.scan.blank()) {
            out += line.scan.text.trimmed().isEmpty() ? QStringLiteral("\n") : QStringLiteral("           %1\n").arg(line.scan.text);
            continue;
        }
        const QString letter = line.rhymeLetter.isEmpty() ? QStringLiteral("\u2013") : line.rhymeLetter;
        out += QStringLiteral("%1  %2  %3  %4\n").arg(line.scan.syllables, 2).arg(letter, -2).arg(genreLetter(line), line.scan.text);
        for (const VerseWarning &warning : line.warnings)
            out += QStringLiteral("            ! %1\n").arg(warning.text);
    }
    return out.toUtf8();
}

QByteArray ScansionJson(const QList<PoemLine> &lines)
{
    QJsonArray verses;
    for (const PoemLine &line : lines) {
        QJsonObject verse;
        const bool blank = line.scan.blank();
        verse[QStringLiteral("texte")] = line.scan.text;
        verse[QStringLiteral("syllabes")] = line.scan.syllables;
        QJsonArray possible;
        for (int count : line.scan.possibleCounts)
            if (!blank)
                possible.append(count);
        verse[QStringLiteral("possibles")] = possible;
        verse[QStringLiteral("mesure")] = line.metre;
        verse[QStringLiteral("rime")] = line.rhymeLetter.isEmpty() ? QJsonValue() : QJsonValue(line.rhymeLetter);
        verse[QStringLiteral("genre")] = blank ? QJsonValue() : QJsonValue(GenreKeyword(line.scan.genre));
        verse[QStringLiteral("qualite")] = line.quality ? QJsonValue(RhymeQualityKeyword(*line.quality)) : QJsonValue();
        QJsonArray warnings;
        for (const VerseWarning &warning : line.warnings) {
            QJsonObject w;
            w[QStringLiteral("code")] = VerseWarningKey(warning.code);
            w[QStringLiteral("message")] = warning.text;
            warnings.append(w);
        }
        verse[QStringLiteral("alertes")] = warnings;
        verses.append(verse);
    }
    QJsonObject root;
    root[QStringLiteral("vers")] = verses;
    return QJsonDocument(root).toJson(QJsonDocument::Indented);
}
