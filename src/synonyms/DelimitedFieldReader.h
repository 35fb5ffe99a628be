#pragma once

// Reads a data file field by field with the comma-delimited rules of the
// synonyms and homonyms files: leading blanks are skipped, a field that
// starts with a double quote runs to its closing quote, any other field ends
// at the first comma or at the end of the line.
#include "lexicon/RuntimeError.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

class DelimitedFieldReader {
public:
    DelimitedFieldReader() = default;
    explicit DelimitedFieldReader(QByteArray bytes, QString fileName = {});

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    // The next field as Windows-1252 text; fails with error 62 at the end.
    std::optional<QString> next(RuntimeError &error);
    // The same field as the file's bytes: a view into bytes().
    std::optional<QByteArrayView> nextBytes(RuntimeError &error);
    const QByteArray &bytes() const { return m_bytes; }

private:
    QByteArray m_bytes;
    QString m_fileName;
    qsizetype m_pos = 0;
};
