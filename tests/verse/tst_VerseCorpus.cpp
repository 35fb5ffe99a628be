// The scansion of the classical verse corpus (tests/verse/corpus/*.txt), each
// line with its count, rhyme letter and genre as a prosody manual gives them.
// Prints the share counted right, the schemes and genres right, and every
// miss; fails only below the thresholds.
#include "VerseFixture.h"
#include "verse/PoemScanner.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {
struct ExpectedLine {
    QString text;
    int count = 0;
    QString letter;
    QString genre;
    bool blank = true;
};

QList<ExpectedLine> readCorpusFile(const QString &path, QString &error)
{
    QList<ExpectedLine> lines;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("unreadable");
        return lines;
    }
    const QStringList rows = QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'));
    for (QString row : rows) {
        row.remove(QLatin1Char('\r'));
        if (row.startsWith(QLatin1Char('#')))
            continue;
        ExpectedLine line;
        if (!row.trimmed().isEmpty()) {
            const QStringList fields = row.split(QLatin1Char('\t'));
            if (fields.size() != 4) {
                error = QStringLiteral("bad row: ") + row;
                return lines;
            }
            line = {fields[0], fields[1].toInt(), fields[2].trimmed(), fields[3].trimmed(), false};
        }
        lines.append(line);
    }
    while (!lines.isEmpty() && lines.back().blank)
        lines.removeLast();
    return lines;
}

QString letterShown(const PoemLine &line) { return line.rhymeLetter.isEmpty() ? QStringLiteral("\u2013") : line.rhymeLetter; }
bool noLetter(const QString &letter) { return letter == QStringLiteral("\u2013") || letter == QLatin1String("-"); }
} // namespace

class TestVerseCorpus : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(LoadShippedWords()); }

    void corpus()
    {
        const QString folder = QFINDTESTDATA("corpus");
        QVERIFY2(!folder.isEmpty(), "corpus folder missing");
        const QStringList files = QDir(folder).entryList({QStringLiteral("*.txt")}, QDir::Files, QDir::Name);
        QVERIFY(!files.isEmpty());
        int lines = 0, countsRight = 0, genresRight = 0, schemesRight = 0, lettersRight = 0;
        QStringList misses;
        for (const QString &name : files) {
            QString error;
            const QList<ExpectedLine> expected = readCorpusFile(QDir(folder).filePath(name), error);
            QVERIFY2(error.isEmpty(), qPrintable(name + QStringLiteral(": ") + error));
            QStringList text;
            for (const ExpectedLine &line : expected)
                text << line.text;
            const QList<PoemLine> scanned = ScanPoem(text.join(QLatin1Char('\n')));
            QCOMPARE(scanned.size(), expected.size());
            bool schemeRight = true;
            for (int i = 0; i < expected.size(); ++i) {
                const ExpectedLine &e = expected[i];
                if (e.blank)
                    continue;
                const PoemLine &got = scanned[i];
                ++lines;
                const QString where = QStringLiteral("%1:%2 \u00AB %3 \u00BB").arg(name).arg(i + 1).arg(e.text);
                if (got.scan.syllables == e.count)
                    ++countsRight;
                else
                    misses << QStringLiteral("compte %1 au lieu de %2 : %3").arg(got.scan.syllables).arg(e.count).arg(where);
                const QString genre = got.scan.genre == RhymeGenre::Feminine ? QStringLiteral("f") : QStringLiteral("m");
                if (genre == e.genre)
                    ++genresRight;
                else
                    misses << QStringLiteral("genre %1 au lieu de %2 : %3").arg(genre, e.genre, where);
                const QString letter = letterShown(got);
                if (letter == e.letter || (noLetter(letter) && noLetter(e.letter))) {
                    ++lettersRight;
                } else {
                    schemeRight = false;
                    misses << QStringLiteral("rime %1 au lieu de %2 (%4) : %3").arg(letter, e.letter, where, got.scan.exactSound);
                }
            }
            if (schemeRight)
                ++schemesRight;
        }
        const auto share = [&](int n) { return lines ? 100.0 * n / lines : 0.0; };
        const QString figures = QStringLiteral("%1 files, %2 lines: counts %3/%2 (%4 %), genres %5/%2 (%6 %), rhyme letters %7/%2 (%8 %), schemes %9/%1")
            .arg(files.size()).arg(lines).arg(countsRight).arg(share(countsRight), 0, 'f', 1).arg(genresRight)
            .arg(share(genresRight), 0, 'f', 1).arg(lettersRight).arg(share(lettersRight), 0, 'f', 1).arg(schemesRight);
        qInfo().noquote() << figures;
        for (const QString &miss : misses)
            qInfo().noquote() << "  " << miss;
        QVERIFY2(share(countsRight) >= 95.0, qPrintable(figures));
        QVERIFY2(share(genresRight) >= 95.0, qPrintable(figures));
        QVERIFY2(share(lettersRight) >= 90.0, qPrintable(figures));
    }
};

QTEST_GUILESS_MAIN(TestVerseCorpus)
#include "tst_VerseCorpus.moc"
