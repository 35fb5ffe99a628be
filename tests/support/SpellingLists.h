#pragma once

// Spelling lists made on the spot for the tests, handed to the code under
// test through its data item reader.
#include "lexicon/DataItems.h"

#include <QByteArray>
#include <QHash>
#include <QStringList>

namespace TestSupport {
// A spelling list item: the words in Latin-1, each followed by CR LF, then
// as many zero bytes as padding says.
QByteArray spellingListItem(const QStringList &words, int padding = 0);

// Lists by item type ("DICOM"); an item missing from the table cannot be
// read. Counts the reads so that tests can see a list is read afresh.
struct SpellingLists {
    QHash<QString, QStringList> lists;
    int reads = 0;
    QString lastType;
    int lastId = 0;

    DataItemReader reader();
};
} // namespace TestSupport
