#pragma once

// A word list made in the test from plain rows, through the same reading
// and cutting as the program's own list.
#include "lexicon/WordList.h"
#include "support/TestSupport.h"

#include <QList>
#include <QString>
#include <memory>

struct FixtureRow {
    QString headword;
    QString exact;
    QString approx;
    QString tail;
    int conjugated = 0;
    int syllables = 1;
    QString categories = QStringLiteral("NOM");
};

inline std::unique_ptr<WordList> makeWordList(const QList<FixtureRow> &rows)
{
    QList<QByteArray> lines;
    for (const FixtureRow &row : rows)
        lines.append(TestSupport::wordListLine(row.headword, row.exact, row.approx, row.tail,
                                               row.conjugated, row.syllables, row.categories));
    auto words = std::make_unique<WordList>();
    if (words->readLines(TestSupport::wordListItem(lines)) || words->cutLines())
        return nullptr;
    return words;
}
