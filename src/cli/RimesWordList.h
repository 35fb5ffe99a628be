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

RimesWordListLoad LoadRimesWordList(WordList &words, const std::optional<QByteArray> &item);
