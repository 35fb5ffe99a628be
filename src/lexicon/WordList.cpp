#include "lexicon/WordList.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

WordList::WordList() = default;

WordList::WordList(int capacity) : m_capacity(capacity < 0 ? 0 : capacity) {}

const std::array<char16_t, 256> WordList::s_storedChars = [] {
    std::array<char16_t, 256> chars {};
    for (int b = 0; b < 256; ++b)
        chars[b] = TextCodec::windows1252Char(static_cast<unsigned char>(b)).unicode();
    chars[0xA3] = u',';
    return chars;
}();

QString WordList::decoded(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    const auto &chars = s_storedChars;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        out[i] = QChar(chars[static_cast<unsigned char>(bytes[i])]);
    return text;
}

const QString &WordList::text() const
{
    if (!m_textMade) {
        m_text = decoded(m_bytes);
        m_textMade = true;
    }
    return m_text;
}

QStringView WordList::field(int i, Field f) const
{
    if (!isCut(i))
        return {};
    const Span span = fieldSpan(i, f);
    return QStringView(text()).mid(span.start, span.length);
}

QStringView WordList::line(int i) const
{
    if (i < 0 || i >= m_keptLines)
        return {};
    const Span span = lineSpan(i);
    return QStringView(text()).mid(span.start, span.length);
}

namespace {
// The Windows-1252 code each stored byte is read as ("£" as ",").
const std::array<std::uint8_t, 256> s_storedCodes = [] {
    std::array<std::uint8_t, 256> codes {};
    for (int b = 0; b < 256; ++b)
        codes[b] = std::uint8_t(TextCodec::windows1252Code(QChar(WordList::StoredChar(quint8(b)))) & 0xFF);
    return codes;
}();
} // namespace

QString WordList::headword(int i) const
{
    return WordCipherBytes(fieldBytes(i, Headword), s_storedCodes);
}

namespace {

// Calls found(cr) for each CR of bytes followed by LF, in order, until it
// returns false.
template<typename Found>
void forEachLineEnd(const char *bytes, qsizetype size, Found found)
{
    auto carriageReturn = [&](qsizetype cr) { return cr + 1 >= size || bytes[cr + 1] != '\n' || found(cr); };
    qsizetype i = 0;
#ifdef __SSE2__
    const __m128i cr = _mm_set1_epi8('\r');
    for (; i + 16 <= size; i += 16) {
        auto mask = unsigned(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes + i)), cr)));
        for (; mask; mask &= mask - 1) {
            if (!carriageReturn(i + __builtin_ctz(mask)))
                return;
        }
    }
#endif
    for (; i < size; ++i) {
        if (bytes[i] == '\r' && !carriageReturn(i))
            return;
    }
}

} // namespace

std::optional<RuntimeError> WordList::readLines(const std::optional<QByteArray> &item,
                                               const std::optional<QByteArray> &tables)
{
    m_text.clear();
    m_textMade = false;
    m_tables = LargeBlock();
    m_takenImage.clear();
    m_keptLines = 0;
    m_longCuts.clear();
    m_wordCount = 0;
    m_recordCount = 0;
    if (!item)
        return RuntimeError::itemNotFound(QStringLiteral("3_LISTE_DES_MOTS"), 103);
    // A built-in item is shared, not copied.
    m_bytes = *item;
    if (tables && takeTables(*tables))
        return std::nullopt;

    // Lines end at CR LF; a lone CR or LF is part of its line. The store
    // takes only as many lines as the item has, up to the capacity: they are
    // counted first, then their starts are written.
    const char *bytes = m_bytes.constData();
    const qsizetype size = m_bytes.size();
    int count = 0;
    forEachLineEnd(bytes, size, [&](qsizetype) {
        ++count;
        return true;
    });
    m_wordCount = count;
    m_keptLines = std::min(count, m_capacity);
    m_tables = LargeBlock(tableSize(m_keptLines));
    quint32 *lineStarts = starts();
    int kept = 0;
    lineStarts[0] = 0;
    forEachLineEnd(bytes, size, [&](qsizetype cr) {
        if (kept == m_keptLines)
            return false;
        lineStarts[++kept] = quint32(cr + 2);
        return true;
    });
    if (count > m_capacity)
        return RuntimeError::outOfRange();
    return std::nullopt;
}

namespace {
// A number field as the cutting reads it: surrounding blanks allowed, then an
// integer. Plain digits, the usual case, are read here; anything else goes
// to Qt's reading of an integer.
inline int numberField(QByteArrayView bytes, QString (*decode)(QByteArrayView), bool *ok)
{
    if (bytes.size() == 1 && bytes[0] >= '0' && bytes[0] <= '9') {
        *ok = true;
        return bytes[0] - '0';
    }
    if (!bytes.isEmpty() && bytes.size() <= 9) {
        int value = 0;
        bool digits = true;
        for (const char c : bytes) {
            if (c < '0' || c > '9') {
                digits = false;
                break;
            }
            value = value * 10 + (c - '0');
        }
        if (digits) {
            *ok = true;
            return value;
        }
    }
    return decode(bytes).trimmed().toInt(ok);
}
} // namespace

quint32 WordList::fieldKey(QByteArrayView bytes)
{
    const auto *b = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    quint32 key = quint32(std::min<qsizetype>(n, 255)) << 24;
    if (n >= 1)
        key |= quint32(b[n - 1]) << 16;
    if (n >= 2)
        key |= quint32(b[n - 2]) << 8;
    if (n >= 3)
        key |= quint32(b[n - 3]);
    return key;
}

const WordList::LongCut &WordList::longCut(int i) const
{
    return *std::lower_bound(m_longCuts.begin(), m_longCuts.end(), i,
                             [](const LongCut &cut, int line) { return cut.line < line; });
}

namespace {

// The first six "@" of a line, from its start; returns how many it has
// (six at most). available is how far the item goes on from the line's start.
int findAtSigns(const char *line, quint32 length, qsizetype available, quint32 at[6])
{
    int found = 0;
    quint32 i = 0;
#ifdef __SSE2__
    const __m128i atSign = _mm_set1_epi8('@');
    auto chunk = [&](quint32 from) {
        return quint64(unsigned(_mm_movemask_epi8(
            _mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i *>(line + from)), atSign))));
    };
    if (length <= 64 && available >= 64) {
        // The usual line: all its "@" in one 64-bit mask.
        quint64 mask = chunk(0) | chunk(16) << 16 | chunk(32) << 32 | chunk(48) << 48;
        if (length < 64)
            mask &= (quint64(1) << length) - 1;
#pragma GCC unroll 6
        for (int k = 0; k < 6; ++k) {
            if (!mask)
                return k;
            at[k] = quint32(__builtin_ctzll(mask));
            mask &= mask - 1;
        }
        return 6;
    }
    // Sixteen bytes at a time while the item goes on that far; the bits of
    // bytes past the line are dropped.
    for (; i < length && found < 6 && qsizetype(i) + 16 <= available; i += 16) {
        auto mask = unsigned(chunk(i));
        if (length - i < 16)
            mask &= (1u << (length - i)) - 1;
        for (; mask && found < 6; mask &= mask - 1)
            at[found++] = i + quint32(__builtin_ctz(mask));
    }
#endif
    for (; i < length && found < 6; ++i) {
        if (line[i] == '@')
            at[found++] = i;
    }
    return found;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

bool WordList::cutLine(int index, RuntimeError &error)
{
    const Span span = lineSpan(index);
    const char *line = m_bytes.constData() + span.start;
    const quint32 length = span.length;
    quint32 at[6] = {};
    if (findAtSigns(line, length, m_bytes.size() - qsizetype(span.start), at) < 6) {
        error = RuntimeError::invalidCall();
        return false;
    }

    auto fieldAt = [&](quint32 begin, quint32 end) {
        return QByteArrayView(line + begin, end > begin ? qsizetype(end - begin) : 0);
    };
    int conjugated = 0;
    int syllables = 0;
    if (at[4] == at[3] + 2 && at[5] == at[4] + 2 && isDigit(line[at[3] + 1]) && isDigit(line[at[4] + 1])) {
        // Two one-digit numbers, as on nearly every line.
        conjugated = line[at[3] + 1] - '0';
        syllables = line[at[4] + 1] - '0';
    } else {
        bool conjugatedOk = false;
        bool syllablesOk = false;
        conjugated = numberField(fieldAt(at[3] + 1, at[4]), &WordList::decoded, &conjugatedOk);
        syllables = numberField(fieldAt(at[4] + 1, at[5]), &WordList::decoded, &syllablesOk);
        if (!conjugatedOk || !syllablesOk) {
            error = RuntimeError::typeMismatch();
            return false;
        }
    }

    // The keys from the four bytes that end each field, when the item has
    // four bytes there (all but the first line's short fields); the bytes
    // before a short field are masked off. The "@" come in order, so no
    // field ends before it begins.
    const bool nearItemStart = span.start + at[1] < 4;
    auto key = [&](int field) {
        const quint32 begin = at[field - 1] + 1;
        const quint32 end = at[field];
        if (nearItemStart)
            return fieldKey(fieldAt(begin, end));
        const quint32 size = end - begin;
        quint32 last4;
        std::memcpy(&last4, line + end - 4, 4);
        last4 = qFromLittleEndian(last4) >> 8;
        static constexpr quint32 kept[4] = {0, 0x00FF0000u, 0x00FFFF00u, 0x00FFFFFFu};
        return (last4 & kept[size < 3 ? size : 3]) | (size < 255 ? size : 255) << 24;
    };
    keys(0)[index] = key(1);
    keys(1)[index] = key(2);
    keys(2)[index] = key(3);
    if (length <= 255 && (conjugated == 0 || conjugated == 1) && syllables >= 0 && syllables <= 126) {
        const quint8 shortAt[6] = {quint8(at[0]), quint8(at[1]), quint8(at[2]),
                                   quint8(at[3]), quint8(at[4]), quint8(at[5])};
        std::memcpy(atSigns(index), shortAt, sizeof shortAt);
        numberBytes()[index] = quint8(conjugated << 7 | syllables);
    } else {
        LongCut full;
        full.line = index;
        std::copy(at, at + 6, full.at);
        full.isConjugated = conjugated;
        full.syllableCount = syllables;
        m_longCuts.push_back(full);
        numberBytes()[index] = LongMark;
    }
    return true;
}

std::optional<RuntimeError> WordList::cutLines()
{
    // Ready tables are of a list cut whole without error.
    if (tablesTaken()) {
        m_recordCount = m_keptLines;
        return std::nullopt;
    }
    // Lines after a bad one stay without fields, as before any cutting.
    m_longCuts.clear();
    m_recordCount = 0;
    for (int i = 0; i < m_wordCount; ++i) {
        if (i >= m_capacity)
            return RuntimeError::outOfRange();
        if (RuntimeError error; !cutLine(i, error))
            return error;
        m_recordCount = i + 1;
    }
    return std::nullopt;
}

namespace {

// The ready tables: this header, the tables (tableSize bytes, then up to
// eight bytes to keep what follows aligned), then the long cuts.
struct TablesHeader {
    char magic[8];
    quint32 version;
    quint32 lineCount;
    quint64 itemSize;
    quint32 longCutCount;
    quint32 longCutSize;
};
static_assert(sizeof(TablesHeader) == 32, "WordList::TablesHeaderSize");
constexpr char TablesMagic[8] = {'V', 'L', 'T', 'A', 'B', 'L', 'E', 'S'};
constexpr quint32 TablesVersion = 1;

std::size_t alignedSize(std::size_t size)
{
    return (size + 7) / 8 * 8;
}

} // namespace

QByteArray WordList::tablesImage() const
{
    if (m_keptLines == 0 || m_recordCount != m_wordCount || m_wordCount > m_capacity)
        return {};
    TablesHeader header {};
    std::memcpy(header.magic, TablesMagic, sizeof header.magic);
    header.version = TablesVersion;
    header.lineCount = quint32(m_keptLines);
    header.itemSize = quint64(m_bytes.size());
    header.longCutCount = quint32(m_longCuts.size());
    header.longCutSize = sizeof(LongCut);
    const std::size_t tables = tableSize(m_keptLines);
    QByteArray image(qsizetype(sizeof header + alignedSize(tables) + m_longCuts.size() * sizeof(LongCut)), '\0');
    std::memcpy(image.data(), &header, sizeof header);
    std::memcpy(image.data() + sizeof header, tableBytes(), tables);
    if (!m_longCuts.empty())
        std::memcpy(image.data() + sizeof header + alignedSize(tables), m_longCuts.data(),
                    m_longCuts.size() * sizeof(LongCut));
    return image;
}

bool WordList::takeTables(const QByteArray &image)
{
    TablesHeader header {};
    if (std::size_t(image.size()) < sizeof header)
        return false;
    std::memcpy(&header, image.constData(), sizeof header);
    if (std::memcmp(header.magic, TablesMagic, sizeof header.magic) != 0 || header.version != TablesVersion
        || header.itemSize != quint64(m_bytes.size()) || header.longCutSize != sizeof(LongCut)
        || header.lineCount == 0 || header.lineCount > quint32(m_capacity))
        return false;
    const std::size_t tables = tableSize(int(header.lineCount));
    const std::size_t longCuts = std::size_t(header.longCutCount) * sizeof(LongCut);
    if (std::size_t(image.size()) != sizeof header + alignedSize(tables) + longCuts)
        return false;

    m_keptLines = m_wordCount = int(header.lineCount);
    const char *tableStart = image.constData() + sizeof header;
    m_takenImage = image;
    m_longCuts.resize(header.longCutCount);
    if (longCuts)
        std::memcpy(m_longCuts.data(), tableStart + alignedSize(tables), longCuts);
    if (!tablesFitBytes()) {
        m_takenImage.clear();
        m_longCuts.clear();
        m_keptLines = m_wordCount = 0;
        return false;
    }
    return true;
}

bool WordList::tablesFitBytes() const
{
    // Every long cut belongs to a line of the list, in order.
    for (std::size_t k = 0; k < m_longCuts.size(); ++k) {
        const int line = m_longCuts[k].line;
        if (line < 0 || line >= m_keptLines || (k > 0 && line <= m_longCuts[k - 1].line)
            || numberBytes()[line] != LongMark)
            return false;
    }
    // A few lines, spread over the list, first and last among them: each
    // ends with CR LF, its "@" are where the tables say and its keys are
    // those of its fields. Few enough that the list stays mostly untouched.
    constexpr int Samples = 64;
    const quint32 size = quint32(m_bytes.size());
    if (startOf(0) != 0)
        return false;
    for (int s = 0; s <= Samples; ++s) {
        const int i = int(qint64(m_keptLines - 1) * s / Samples);
        const quint32 start = startOf(i);
        const quint32 next = startOf(i + 1);
        if (next < start + 2 || next > size || m_bytes[next - 2] != '\r' || m_bytes[next - 1] != '\n')
            return false;
        const quint32 length = next - start - 2;
        quint32 at[6];
        for (int f = 0; f < 6; ++f)
            at[f] = numberBytes()[i] == LongMark ? longCut(i).at[f] : atSigns(i)[f];
        for (int f = 0; f < 6; ++f) {
            if (at[f] >= length || (f > 0 && at[f] <= at[f - 1]) || m_bytes[start + at[f]] != '@')
                return false;
        }
        for (int column = 0; column < 3; ++column) {
            const QByteArrayView field(m_bytes.constData() + start + at[column] + 1, at[column + 1] - at[column] - 1);
            if (keyOf(column, i) != fieldKey(field))
                return false;
        }
    }
    return true;
}

WordList::Scan::Scan(const WordList &words, Column column, QStringView text, Match match)
    : m_words(words), m_column(column), m_text(text), m_match(match), m_end(words.wordCount())
{
    // The keys serve when each character of the text has one stored byte
    // (not ",", stored as itself and as "£") other than 0, which fills the
    // key of a short field.
    if (text.isEmpty())
        return;
    m_stored.resize(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        int byte = -1;
        for (int b = 1; b < 256; ++b) {
            if (s_storedChars[b] != text[i].unicode())
                continue;
            if (byte >= 0)
                return;
            byte = b;
        }
        if (byte < 0)
            return;
        m_stored[i] = char(byte);
    }
    m_byKeys = true;
    const quint32 key = fieldKey(m_stored);
    if (match == Match::Equal) {
        m_keyMask = 0xFFFFFFFFu;
    } else {
        const qsizetype compared = std::min<qsizetype>(text.size(), 3);
        m_keyMask = compared == 1 ? 0x00FF0000u : compared == 2 ? 0x00FFFF00u : 0x00FFFFFFu;
    }
    m_keyWanted = key & m_keyMask;
}

bool WordList::Scan::matches(int i) const
{
    const Field field = m_column == Column::ExactSound ? Exact : m_column == Column::ApproxSound ? Approx : Tail;
    QByteArrayView bytes = m_words.fieldBytes(i, field);
    if (m_byKeys)
        {
        if (bytes.size() < m_stored.size() || (m_match == Match::Equal && bytes.size() != m_stored.size()))
            return false;
        return std::memcmp(bytes.data() + bytes.size() - m_stored.size(), m_stored.constData(),
                           std::size_t(m_stored.size())) == 0;
    }
    if (bytes.size() < m_text.size() || (m_match == Match::Equal && bytes.size() != m_text.size()))
        return false;
    bytes = bytes.last(m_text.size());
    for (qsizetype k = bytes.size(); k-- > 0;) {
        if (StoredChar(static_cast<unsigned char>(bytes[k])) != m_text[k].unicode())
            return false;
    }
    return true;
}

int WordList::Scan::next()
{
    if (!m_byKeys) {
        while (m_next < m_end) {
            const int i = m_next++;
            if (matches(i))
                return i;
        }
        return -1;
    }
    // A text with keys is never empty, so the lines left uncut (every
    // field empty) never match: only the cut lines are looked at.
    const int end = std::min(m_end, m_words.m_recordCount);
    if (m_next >= end) {
        m_next = m_end;
        return -1;
    }
    const char *keys = m_words.keyBytes(int(m_column));
    while (m_next < end) {
        int i = m_next;
        bool candidate = false;
#ifdef __SSE2__
        const __m128i mask = _mm_set1_epi32(int(m_keyMask));
        const __m128i wanted = _mm_set1_epi32(int(m_keyWanted));
        for (; i + 4 <= end; i += 4) {
            const __m128i four = _mm_and_si128(_mm_loadu_si128(reinterpret_cast<const __m128i *>(keys + 4 * std::size_t(i))), mask);
            const int hits = _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(four, wanted)));
            if (hits) {
                i += __builtin_ctz(unsigned(hits));
                candidate = true;
                break;
            }
        }
#endif
        for (; !candidate && i < end; ++i) {
            if ((qFromUnaligned<quint32>(keys + 4 * std::size_t(i)) & m_keyMask) == m_keyWanted) {
                candidate = true;
                break;
            }
        }
        if (!candidate)
            break;
        m_next = i + 1;
        if (matches(i))
            return i;
    }
    m_next = m_end;
    return -1;
}
