#pragma once

// The phonetic word list: one record per line of the built-in item
// "3_LISTE_DES_MOTS", seven "@"-separated fields. It is filled once by two
// loading stages (read the lines, then cut them into fields) and only read
// afterwards; searches scan it in order, so results come in word-list order.
#include "lexicon/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <optional>
#include <vector>

class WordList {
public:
    static constexpr int Capacity = 180000;

    WordList();

    // Number of lines found by the last reading; may exceed Capacity when the
    // item was too long (the cutting stage then reports its own failure).
    int rawWordCount() const { return m_wordCount; }
    // Number of records a search may scan: never more than Capacity.
    int wordCount() const { return m_wordCount < Capacity ? m_wordCount : Capacity; }
    // Number of lines the cutting stage turned into records (from the first
    // line on). 0 means the list gave nothing a search can use.
    int recordCount() const { return m_recordCount; }

    QStringView cipheredHeadword(int i) const { return field(i, Headword); }
    QStringView exactSound(int i) const { return field(i, Exact); }
    QStringView approxSound(int i) const { return field(i, Approx); }
    QStringView writtenTail(int i) const { return field(i, Tail); }
    QStringView categories(int i) const { return field(i, Categories); }
    int isConjugated(int i) const { return hasRecord(i) ? m_records[i].isConjugated : 0; }
    int syllableCount(int i) const { return hasRecord(i) ? m_records[i].syllableCount : 0; }
    // The deciphered headword of record i.
    QString headword(int i) const;

    // Reading the lines (loading stage TimDeb). A missing item leaves the
    // list empty; more than Capacity lines keeps the first Capacity.
    std::optional<RuntimeError> readLines(const std::optional<QByteArray> &item);
    // Cutting the lines into fields (loading stage TimTri1). Stops at the
    // first bad line; lines before it are cut, it and later ones stay empty.
    std::optional<RuntimeError> cutLines();

    // Line i as read, after the "£" to "," replacement.
    QStringView line(int i) const;

private:
    enum Field { Headword, Exact, Approx, Tail, Categories, FieldCount };
    struct Span {
        quint32 start = 0;
        quint32 length = 0;
    };
    struct Record {
        Span fields[FieldCount];
        qint32 isConjugated = 0;
        qint32 syllableCount = 0;
    };

    bool inRange(int i) const { return i >= 0 && i < Capacity; }
    bool hasRecord(int i) const { return i >= 0 && std::size_t(i) < m_records.size(); }
    QStringView field(int i, Field f) const;
    std::optional<Record> cutLine(Span lineSpan, RuntimeError &error) const;

    QString m_text;
    std::vector<Span> m_lines;
    std::vector<Record> m_records;
    int m_wordCount = 0;
    int m_recordCount = 0;
};
