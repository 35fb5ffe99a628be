#pragma once

#include <QString>

// Replaces every occurrence of oldText by newText, left to right and without
// overlap; a newText holding oldText is not searched again. An empty oldText,
// or a text that is empty or made of blanks only, comes back unchanged.
// When replacements is given, it is increased by the number of replacements.
QString sChangeCaractere(const QString &laChaine, const QString &oldText,
                         const QString &newText, int *replacements = nullptr);
