#pragma once

// The headword cipher: each stored character is the plain character plus the
// key character, modulo 256, on Windows-1252 codes, the key repeating with its
// own length as period. Headwords stay enciphered in memory and are
// deciphered only when a search lists them.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

// T(x, y) = (x + y) mod 256, built once.
class CipherTable {
public:
    static const CipherTable &instance();
    std::uint8_t at(int column, int row) const { return m_cells[row * 256 + column]; }
    // The first row y with T(0, y) = code.
    int rowStartingWith(int code) const;
    // The first column x of a row with T(x, row) = code.
    int columnHolding(int row, int code) const;

private:
    CipherTable();
    std::array<std::uint8_t, 256 * 256> m_cells {};
};

// The program's key, from WordKey.h.
QByteArray WordKey();

QString WordCipher(QStringView cipherText);
QString WordCipher(QStringView cipherText, QByteArrayView key);
// The same on cipher text kept as bytes, with the program's key: byte b
// stands for the Windows-1252 code codeOfByte[b]. Gives what WordCipher
// gives on the decoded text, without making that text.
QString WordCipherBytes(QByteArrayView cipherBytes, const std::array<std::uint8_t, 256> &codeOfByte);
// The reverse, used by tests and tools to make cipher text.
QString WordEncipher(QStringView plainText, QByteArrayView key);
