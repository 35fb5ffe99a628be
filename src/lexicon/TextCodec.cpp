#include "lexicon/TextCodec.h"

#include <array>

namespace {
// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five codes it
// leaves undefined keep their C1 control character so that no byte is lost.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
} // namespace

namespace TextCodec {

QChar windows1252Char(unsigned char code)
{
    if (code >= 0x80 && code <= 0x9F)
        return QChar(kHighControls[code - 0x80]);
    return QChar(code);
}

int windows1252Code(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return u;
    for (int i = 0; i < int(kHighControls.size()); ++i) {
        if (kHighControls[i] == u)
            return 0x80 + i;
    }
    return -1;
}

QString fromWindows1252(QByteArrayView bytes)
{
    // Latin-1 first (a fast widening copy), then the few bytes of
    // 0x80..0x9F, where the two code pages differ, are put right.
    QString text = QString::fromLatin1(bytes.data(), bytes.size());
    const auto *in = reinterpret_cast<const unsigned char *>(bytes.data());
    QChar *out = nullptr;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if ((in[i] & 0xE0) == 0x80) {
            if (!out)
                out = text.data();
            out[i] = QChar(kHighControls[in[i] - 0x80]);
        }
    }
    return text;
}

QByteArray toWindows1252(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text) {
        const int code = windows1252Code(c);
        *out++ = code < 0 ? '?' : static_cast<char>(code);
    }
    return bytes;
}

QString fromLatin1(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes.data(), bytes.size());
}

QByteArray toLatin1(QStringView text)
{
    QByteArray bytes(text.size(), Qt::Uninitialized);
    char *out = bytes.data();
    for (const QChar c : text)
        *out++ = c.unicode() <= 0xFF ? static_cast<char>(c.unicode()) : '?';
    return bytes;
}

} // namespace TextCodec
