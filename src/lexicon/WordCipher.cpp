#include "lexicon/WordCipher.h"

#include "lexicon/TextCodec.h"
#include "lexicon/WordKey.h"

CipherTable::CipherTable()
{
    for (int row = 0; row < 256; ++row) {
        for (int column = 0; column < 256; ++column)
            m_cells[row * 256 + column] = static_cast<std::uint8_t>((column + row) % 256);
    }
}

const CipherTable &CipherTable::instance()
{
    static const CipherTable table;
    return table;
}

int CipherTable::rowStartingWith(int code) const
{
    // Row y starts with the value y: the first match is the code itself.
    return code & 0xFF;
}

int CipherTable::columnHolding(int row, int code) const
{
    return (code - row + 256) & 0xFF;
}

QByteArray WordKey()
{
    return QByteArray(kWordKey);
}

QString WordCipher(QStringView cipherText)
{
    static const QByteArray key = WordKey();
    return WordCipher(cipherText, key);
}

QString WordCipher(QStringView cipherText, QByteArrayView key)
{
    if (cipherText.isEmpty() || key.isEmpty())
        return cipherText.toString();
    const CipherTable &table = CipherTable::instance();
    QString plain(cipherText.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < cipherText.size(); ++i) {
        const int e = TextCodec::windows1252Code(cipherText[i]) & 0xFF;
        const int k = static_cast<unsigned char>(key[i % key.size()]);
        const int b = table.rowStartingWith(k);
        const int d = table.columnHolding(b, e);
        plain[i] = TextCodec::windows1252Char(table.at(d, 0));
    }
    return plain;
}

QString WordCipherBytes(QByteArrayView cipherBytes, const std::array<std::uint8_t, 256> &codeOfByte)
{
    // Subtracting the key is two table lookups a character: the code a byte
    // stands for, and the character of the difference.
    static const std::array<char16_t, 256> codeChars = [] {
        std::array<char16_t, 256> chars {};
        for (int code = 0; code < 256; ++code)
            chars[code] = TextCodec::windows1252Char(static_cast<unsigned char>(code)).unicode();
        return chars;
    }();
    static constexpr QByteArrayView key(kWordKey);
    QString plain(cipherBytes.size(), Qt::Uninitialized);
    QChar *out = plain.data();
    qsizetype k = 0;
    for (const char byte : cipherBytes) {
        const int code = codeOfByte[static_cast<unsigned char>(byte)];
        *out++ = QChar(codeChars[static_cast<std::uint8_t>(code - static_cast<unsigned char>(key[k]))]);
        if (++k == key.size())
            k = 0;
    }
    return plain;
}

QString WordEncipher(QStringView plainText, QByteArrayView key)
{
    if (plainText.isEmpty() || key.isEmpty())
        return plainText.toString();
    const CipherTable &table = CipherTable::instance();
    QString cipher(plainText.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < plainText.size(); ++i) {
        const int p = TextCodec::windows1252Code(plainText[i]) & 0xFF;
        const int k = static_cast<unsigned char>(key[i % key.size()]);
        cipher[i] = TextCodec::windows1252Char(table.at(p, k));
    }
    return cipher;
}
