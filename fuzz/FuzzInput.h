#pragma once

// Helpers shared by the harnesses: the fuzzer's bytes as Qt values.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstring>
#include <cstdint>

namespace FuzzInput {

inline QByteArray bytes(const uint8_t *data, size_t size)
{
    return QByteArray(reinterpret_cast<const char *>(data), qsizetype(size));
}

// Text as a user could type or paste it: any UTF-16 units, lone surrogates
// included.
inline QString text(const uint8_t *data, size_t size)
{
    QString units(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(units.data(), data, size_t(units.size()) * sizeof(QChar));
    return units;
}

// Arguments of a command line, separated by zero bytes, read as UTF-8.
inline QStringList arguments(const uint8_t *data, size_t size)
{
    QStringList list;
    for (const QByteArray &piece : bytes(data, size).split('\0'))
        list.append(QString::fromUtf8(piece));
    return list;
}

} // namespace FuzzInput
