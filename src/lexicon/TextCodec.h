#pragma once

// The one place where bytes of the data items and files become text and back.
// Data files and the options file are Windows-1252; the spelling lists are
// Latin-1. Every byte maps to one character and back, so enciphered headwords
// (which may hold any byte) survive a round trip unchanged.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace TextCodec {
QString fromWindows1252(QByteArrayView bytes);
// Characters outside Windows-1252 become "?".
QByteArray toWindows1252(QStringView text);
// The Windows-1252 code of one character, or -1 when it has none.
int windows1252Code(QChar c);
QChar windows1252Char(unsigned char code);

QString fromLatin1(QByteArrayView bytes);
// Characters outside Latin-1 become "?".
QByteArray toLatin1(QStringView text);
} // namespace TextCodec
