#pragma once

// The phonetic word list: one record per line of the built-in item
// "3_LISTE_DES_MOTS", seven "@"-separated fields. It is filled once by two
// loading stages (read the lines, then cut them into fields) and only read
// afterwards; searches scan it in order, so results come in word-list order.
//
// The list keeps the item's bytes as stored (a built-in item is used in
// place) and cuts them into byte spans; each Windows-1252 byte is one
// character, so spans are the same in bytes and in characters. Searches
// compare fields on the bytes (the *Bytes accessors and StoredChar) and
// decode only the lines they list. The text accessors returning QStringView
// decode the whole list once, on their first use.
#include "lexicon/RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
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

    // The stored bytes of the fields; a byte reads as StoredChar(byte).
    QByteArrayView exactSoundBytes(int i) const { return fieldBytes(i, Exact); }
    QByteArrayView approxSoundBytes(int i) const { return fieldBytes(i, Approx); }
    QByteArrayView writtenTailBytes(int i) const { return fieldBytes(i, Tail); }
    QByteArrayView categoriesBytes(int i) const { return fieldBytes(i, Categories); }
    // One field decoded on its own, without decoding the list.
    QString exactSoundText(int i) const { return decoded(fieldBytes(i, Exact)); }
    QString approxSoundText(int i) const { return decoded(fieldBytes(i, Approx)); }
    QString writtenTailText(int i) const { return decoded(fieldBytes(i, Tail)); }
    QString categoriesText(int i) const { return decoded(fieldBytes(i, Categories)); }

    // The character a stored byte stands for: Windows-1252, with the "£"
    // that stores the commas of headwords read as ",".
    static char16_t StoredChar(unsigned char byte) { return s_storedChars[byte]; }

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
    // A cut line: where it starts and ends, and where its six "@" are
    // (from its start). An uncut line is all zeros: every field empty.
    struct Record {
        quint32 start = 0;
        quint32 length = 0;
        quint32 at[6] = {};
        qint32 isConjugated = 0;
        qint32 syllableCount = 0;
    };

    static const std::array<char16_t, 256> s_storedChars;
    static QString decoded(QByteArrayView bytes);
    bool inRange(int i) const { return i >= 0 && i < Capacity; }
    bool hasRecord(int i) const { return i >= 0 && std::size_t(i) < m_records.size(); }
    Span fieldSpan(int i, Field f) const
    {
        if (!inRange(i) || std::size_t(i) >= m_records.size())
            return {};
        const Record &record = m_records[i];
        // The categories follow the two number fields.
        const quint32 begin = f == Headword ? 0 : record.at[f == Categories ? 5 : f - 1] + 1;
        const quint32 end = f == Categories ? record.length : record.at[f];
        return {record.start + begin, end > begin ? end - begin : 0};
    }
    QByteArrayView fieldBytes(int i, Field f) const
    {
        const Span span = fieldSpan(i, f);
        return span.length ? QByteArrayView(m_bytes.constData() + span.start, span.length) : QByteArrayView();
    }
    QStringView field(int i, Field f) const;
    const QString &text() const;
    // Cuts one line into record; false with the error for a bad line.
    bool cutLine(Span lineSpan, Record &record, RuntimeError &error) const;

    QByteArray m_bytes;
    std::vector<Span> m_lines;
    std::vector<Record> m_records;
    int m_wordCount = 0;
    int m_recordCount = 0;
    // The whole list decoded, made by the first text accessor called.
    mutable QString m_text;
    mutable bool m_textMade = false;
};
