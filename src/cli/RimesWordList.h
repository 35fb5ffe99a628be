#pragma once

// The word list as rimes reads it, from the same built-in item as the
// loading window. Like the program, a damaged list is used as far as it
// could be cut; a list that gives no record at all stops the command.
#include "lexicon/WordList.h"

#include <QByteArray>
#include <QString>
#include <optional>

struct RimesWordListLoad {
    bool usable = false;
    // French, for stderr; empty when the list loaded whole.
    QString message;
};

// tables: the list's ready tables (WordList::readLines), when there are.
RimesWordListLoad LoadRimesWordList(WordList &words, const std::optional<QByteArray> &item,
                                    const std::optional<QByteArray> &tables = std::nullopt);
