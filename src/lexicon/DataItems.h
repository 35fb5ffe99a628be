#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

// The data items built into the executable, found by type name and numeric
// identifier ("3_LISTE_DES_MOTS", 103). Loaders take a reader so that tests
// can hand them bytes of their own.
using DataItemReader = std::function<std::optional<QByteArray>(const QString &type, int id)>;

namespace DataItems {
std::optional<QByteArray> read(const QString &type, int id);
// A fixed list shipped with a window, by file name ("palindromes.txt").
std::optional<QByteArray> readNamed(const QString &name);
// Once an item read in place has been gone through, its pages are left to
// the system (see MappedPages.h); nothing for an item stored compressed.
void releaseReadPages(const QString &type, int id);

inline const QString WordListType = QStringLiteral("3_LISTE_DES_MOTS");
inline constexpr int WordListId = 103;
// The word list's tables, made from it when the program is built.
inline const QString WordListTablesType = QStringLiteral("3_TABLES_DES_MOTS");
inline const QString ExactSoundsType = QStringLiteral("1_SONORES_EXACTES");
inline constexpr int ExactSoundsId = 101;
inline const QString ApproxSoundsType = QStringLiteral("2_SONORES_APP");
inline constexpr int ApproxSoundsId = 102;
} // namespace DataItems
