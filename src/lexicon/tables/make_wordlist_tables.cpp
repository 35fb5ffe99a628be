// Build step: cuts the word list once, as the program would at each start,
// and writes its tables for the program to take ready (WordList::readLines).
// A list that does not cut whole gives an empty file: the program then cuts
// it at start and reports its damage there.
#include "lexicon/WordList.h"

#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s WORD_LIST TABLES\n", argv[0]);
        return 2;
    }
    QFile input(QString::fromLocal8Bit(argv[1]));
    if (!input.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(input.errorString()));
        return 1;
    }
    WordList words;
    const auto readError = words.readLines(input.readAll());
    const auto cutError = readError ? readError : words.cutLines();
    const QByteArray tables = words.tablesImage();
    if (cutError || tables.isEmpty())
        std::fprintf(stderr, "%s: the list does not cut whole; no ready tables\n", argv[1]);

    QSaveFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly) || output.write(tables) != tables.size() || !output.commit()) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(output.errorString()));
        return 1;
    }
    return 0;
}
