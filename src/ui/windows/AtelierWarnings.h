#pragma once

// The workbench's classical checks as the poet switches them: their captions,
// and the six "0"/"1" flags the options file keeps for them.
#include "verse/VerseTypes.h"

#include <QString>
#include <QList>

namespace AtelierWarnings {
struct Check {
    QString caption;
    bool VerseOptions::*option;
};

// In the order of the flags.
const QList<Check> &checks();

// Flags that are not six "0"/"1" give every check on.
VerseOptions fromFlags(const QString &flags);
QString toFlags(const VerseOptions &options);
} // namespace AtelierWarnings
