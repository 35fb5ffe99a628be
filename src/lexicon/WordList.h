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
//
// Per line the list holds where it starts, where its "@" are (a byte each
// for the usual short line) and a key of its sound and tail fields: their
// length and last three bytes. A Scan compares those keys, four lines at a
// time, and the bytes only of the lines whose keys agree.
//
// Those tables depend only on the list's bytes, so the program is built with
// the tables of its own list (tablesImage(), made at build time): reading the
// built-in list with them adopts them in place of counting and cutting.
#include "lexicon/LargeBlock.h"
#include "lexicon/RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <QtEndian>
#include <array>
#include <optional>
#include <vector>

class WordList {
public:
    static constexpr int Capacity = 300000;

    WordList();
    // A store for longer lists than the program's (benchmarks of scale).
    explicit WordList(int capacity);
    int capacity() const { return m_capacity; }

    // Number of lines found by the last reading; may exceed the capacity when
    // the item was too long (the cutting stage then reports its own failure).
    int rawWordCount() const { return m_wordCount; }
    // Number of records a search may scan: never more than the capacity.
    int wordCount() const { return m_wordCount < m_capacity ? m_wordCount : m_capacity; }
    // Number of lines the cutting stage turned into records (from the first
    // line on). 0 means the list gave nothing a search can use.
    int recordCount() const { return m_recordCount; }

    QStringView cipheredHeadword(int i) const { return field(i, Headword); }
    QStringView exactSound(int i) const { return field(i, Exact); }
    QStringView approxSound(int i) const { return field(i, Approx); }
    QStringView writtenTail(int i) const { return field(i, Tail); }
    QStringView categories(int i) const { return field(i, Categories); }
    int isConjugated(int i) const { return isCut(i) ? numbers(i).isConjugated : 0; }
    int syllableCount(int i) const { return isCut(i) ? numbers(i).syllableCount : 0; }
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

    // The fields a Scan reads, and how it compares them with its text.
    enum class Column { ExactSound, ApproxSound, WrittenTail };
    enum class Match { Equal, EndsWith };
    // The lines whose field equals (or ends with) a text, read as StoredChar,
    // case-sensitive, in list order among the first wordCount() lines. The
    // list and the text must outlive the scan.
    class Scan {
    public:
        Scan(const WordList &words, Column column, QStringView text, Match match);
        // The next such line, -1 when there is none left.
        int next();

    private:
        bool matches(int i) const;

        const WordList &m_words;
        Column m_column;
        QStringView m_text;
        Match m_match;
        int m_next = 0;
        int m_end = 0;
        // The text as stored bytes, when it has a single stored form; the
        // keys are then compared first (m_keyMask, m_keyWanted).
        bool m_byKeys = false;
        QByteArray m_stored;
        quint32 m_keyMask = 0;
        quint32 m_keyWanted = 0;
    };

    // Reading the lines (loading stage TimDeb). A missing item leaves the
    // list empty; more lines than the capacity keeps the first ones. Tables
    // made from these very bytes (see tablesImage) are taken instead of
    // counting the lines; tables of other bytes, or damaged, are ignored.
    std::optional<RuntimeError> readLines(const std::optional<QByteArray> &item,
                                          const std::optional<QByteArray> &tables = std::nullopt);
    // Cutting the lines into fields (loading stage TimTri1). Stops at the
    // first bad line; lines before it are cut, it and later ones stay empty.
    // Nothing left to do when readLines took ready tables.
    std::optional<RuntimeError> cutLines();
    // Whether readLines took ready tables.
    bool tablesTaken() const { return !m_takenImage.isNull(); }

    // The tables of a list read and cut whole without error, as bytes for
    // readLines; empty for any other list.
    QByteArray tablesImage() const;

    // Line i as read, after the "£" to "," replacement.
    QStringView line(int i) const;

private:
    enum Field { Headword, Exact, Approx, Tail, Categories, FieldCount };
    struct Span {
        quint32 start = 0;
        quint32 length = 0;
    };
    // A cut line's numbers in one byte: conjugated (0 or 1) in the top bit,
    // syllables (0 to 126) below. LongMark instead for a line of more than
    // 255 bytes or with other numbers: its cut is then in m_longCuts.
    static constexpr quint8 LongMark = 0xFF;
    struct LongCut {
        int line = 0;
        quint32 at[6] = {};
        qint32 isConjugated = 0;
        qint32 syllableCount = 0;
    };
    struct Numbers {
        int isConjugated = 0;
        int syllableCount = 0;
    };

    static const std::array<char16_t, 256> s_storedChars;
    static QString decoded(QByteArrayView bytes);
    // The key of a stored field: its length (255 for longer) in the top byte,
    // then its last, second last and third last bytes (0 where it has none).
    static quint32 fieldKey(QByteArrayView bytes);

    // The tables, one block for the kept lines (n = m_keptLines):
    //   n + 1 line starts: where each kept line starts, and where the line
    //     after the last would; a line ends two bytes (CR LF) before the next;
    //   three columns of n keys: exact sound, approximate sound, tail;
    //   n times six bytes: where the six "@" of a short cut line are;
    //   n number bytes.
    // Only the first m_recordCount lines have their cut filled in.
    static std::size_t tableSize(int lines) { return std::size_t(lines) * 23 + 4; }
    // Bytes before the tables in an image of ready tables.
    static constexpr std::size_t TablesHeaderSize = 32;
    const char *tableBytes() const
    {
        return m_takenImage.isNull() ? m_tables.data() : m_takenImage.constData() + TablesHeaderSize;
    }
    // Ready tables are read in place, wherever the build put them: their
    // numbers are read unaligned. Tables made here are written aligned.
    std::size_t keyOffset(int column) const { return 4 * ((m_keptLines + 1) + std::size_t(column) * m_keptLines); }
    quint32 startOf(int i) const { return qFromUnaligned<quint32>(tableBytes() + 4 * std::size_t(i)); }
    const char *keyBytes(int column) const { return tableBytes() + keyOffset(column); }
    quint32 keyOf(int column, int i) const { return qFromUnaligned<quint32>(keyBytes(column) + 4 * std::size_t(i)); }
    quint32 *starts() { return reinterpret_cast<quint32 *>(m_tables.data()); }
    quint32 *keys(int column) { return reinterpret_cast<quint32 *>(m_tables.data() + keyOffset(column)); }
    const quint8 *atSigns(int i) const { return reinterpret_cast<const quint8 *>(keyBytes(3)) + 6 * std::size_t(i); }
    quint8 *atSigns(int i) { return reinterpret_cast<quint8 *>(keys(3)) + 6 * std::size_t(i); }
    const quint8 *numberBytes() const { return atSigns(m_keptLines); }
    quint8 *numberBytes() { return atSigns(m_keptLines); }

    bool isCut(int i) const { return i >= 0 && i < m_recordCount; }
    Span lineSpan(int i) const { return {startOf(i), startOf(i + 1) - startOf(i) - 2}; }
    const LongCut &longCut(int i) const;
    Numbers numbers(int i) const
    {
        const quint8 packed = numberBytes()[i];
        if (packed != LongMark)
            return {packed >> 7, packed & 0x7F};
        const LongCut &full = longCut(i);
        return {full.isConjugated, full.syllableCount};
    }
    Span fieldSpan(int i, Field f) const
    {
        if (!isCut(i))
            return {};
        const Span line = lineSpan(i);
        const bool isShort = numberBytes()[i] != LongMark;
        const quint8 *shortAt = atSigns(i);
        auto at = [&](int n) -> quint32 { return isShort ? shortAt[n] : longCut(i).at[n]; };
        // The categories follow the two number fields.
        const quint32 begin = f == Headword ? 0 : at(f == Categories ? 5 : f - 1) + 1;
        const quint32 end = f == Categories ? line.length : at(f);
        return {line.start + begin, end > begin ? end - begin : 0};
    }
    QByteArrayView fieldBytes(int i, Field f) const
    {
        const Span span = fieldSpan(i, f);
        // Never past the bytes, whatever tables were taken.
        const auto size = quint32(m_bytes.size());
        if (!span.length || span.start > size || span.length > size - span.start)
            return {};
        return QByteArrayView(m_bytes.constData() + span.start, span.length);
    }
    QStringView field(int i, Field f) const;
    const QString &text() const;
    // Cuts line i; false with the error for a bad line.
    bool cutLine(int i, RuntimeError &error);
    // Takes tables made from the list's bytes; false when they are not.
    bool takeTables(const QByteArray &image);
    // Whether the taken tables agree with the list's bytes where sampled.
    bool tablesFitBytes() const;

    int m_capacity = Capacity;
    QByteArray m_bytes;
    LargeBlock m_tables;
    // Ready tables taken by readLines, used in place after their header
    // (empty when the tables were made here, in m_tables).
    QByteArray m_takenImage;
    int m_keptLines = 0;
    std::vector<LongCut> m_longCuts;
    int m_wordCount = 0;
    int m_recordCount = 0;
    // The whole list decoded, made by the first text accessor called.
    mutable QString m_text;
    mutable bool m_textMade = false;
};
