#pragma once

// Synonyms files made on the spot for the tests, with the block sizes the
// program is built with: every slot gets a line of its own unless a test
// puts one there, and the headwords of blocks H, Q and U are enciphered the
// way the shipped file stores them.
#include "lexicon/DataSizes.h"
#include "lexicon/TextCodec.h"
#include "lexicon/WordCipher.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QStringList>
#include <array>

class SynonymFileBuilder {
public:
    SynonymFileBuilder()
    {
        for (int b = 0; b < 26; ++b) {
            const QChar letter(u'a' + b);
            for (int slot = 1; slot <= DataSizes::kSynonymBlockSizes[b]; ++slot)
                m_lines[b].append(storedLine(b, QStringLiteral("%1mot%2@synonyme").arg(letter).arg(slot)));
        }
    }

    // A plain entry in slot n (from 1) of a block, enciphered as the block wants.
    SynonymFileBuilder &set(char block, int slot, const QString &entry)
    {
        m_lines[block - 'A'][slot - 1] = storedLine(block - 'A', entry);
        return *this;
    }
    // A line stored as given, without enciphering.
    SynonymFileBuilder &setStored(char block, int slot, const QByteArray &line)
    {
        m_lines[block - 'A'][slot - 1] = line;
        return *this;
    }

    // The file: every line followed by CR LF, the last lines left out when
    // asked, extra lines added after the blocks.
    QByteArray bytes(int dropLast = 0, const QList<QByteArray> &extra = {}) const
    {
        QList<QByteArray> all;
        for (const auto &block : m_lines)
            all += block;
        all.resize(all.size() - dropLast);
        all += extra;
        QByteArray file;
        for (const QByteArray &line : all)
            file += line + "\r\n";
        return file;
    }

    static QByteArray storedLine(int blockIndex, const QString &entry)
    {
        const bool enciphered = blockIndex == 'H' - 'A' || blockIndex == 'Q' - 'A' || blockIndex == 'U' - 'A';
        const qsizetype at = entry.indexOf(QLatin1Char('@'));
        if (!enciphered || at < 0)
            return TextCodec::toWindows1252(entry);
        QByteArray head = TextCodec::toWindows1252(WordEncipher(entry.left(at), WordKey()));
        if (blockIndex == 'H' - 'A')
            head.replace(',', "\xA3");
        return head + TextCodec::toWindows1252(entry.mid(at));
    }

private:
    std::array<QList<QByteArray>, 26> m_lines;
};

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}
