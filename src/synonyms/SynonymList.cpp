#include "synonyms/SynonymList.h"

#include "lexicon/TextReplace.h"
#include "lexicon/WordCipher.h"

#include <QFile>
#include <QFileInfo>

SynonymList::SynonymList()
{
    for (int b = 0; b < 26; ++b)
        m_blocks[b] = QStringList(blockSize(b));
}

bool SynonymList::isEnciphered(int letterIndex)
{
    return letterIndex == 'H' - 'A' || letterIndex == 'Q' - 'A' || letterIndex == 'U' - 'A';
}

std::optional<RuntimeError> SynonymList::open(const QString &path)
{
    m_fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        return RuntimeError::fileNotFound(m_fileName);
    if (!file.open(QIODevice::ReadOnly))
        return RuntimeError::fileError(m_fileName, file.errorString());
    m_reader = DelimitedFieldReader(file.readAll(), m_fileName);
    return std::nullopt;
}

std::optional<RuntimeError> SynonymList::readBlocks(char firstLetter, char lastLetter)
{
    for (int b = firstLetter - 'A'; b <= lastLetter - 'A'; ++b) {
        if (auto error = readBlock(b))
            return error;
        if (b == 'U' - 'A' && m_blocks[b].size() >= UnanimitySlot)
            m_blocks[b][UnanimitySlot - 1] = UnanimityLine;
    }
    return std::nullopt;
}

std::optional<QString> SynonymList::decipherEntry(const QString &stored, int letterIndex)
{
    const qsizetype at = stored.indexOf(QLatin1Char('@'));
    if (at < 0)
        return std::nullopt;
    QString head = stored.left(at);
    if (letterIndex == 'H' - 'A')
        head = sChangeCaractere(head, QStringLiteral("£"), QStringLiteral(","));
    return WordCipher(head) + stored.mid(at);
}

std::optional<RuntimeError> SynonymList::readBlock(int letterIndex)
{
    QStringList &entries = m_blocks[letterIndex];
    for (qsizetype slot = 0; slot < entries.size(); ++slot) {
        RuntimeError error;
        std::optional<QString> field = m_reader.next(error);
        if (!field)
            return error;
        if (isEnciphered(letterIndex)) {
            field = decipherEntry(*field, letterIndex);
            if (!field) {
                return RuntimeError {RuntimeError::ReadPastEnd,
                                     QStringLiteral("Ligne sans « @ » dans le bloc %1 de %2 (entrée %3).")
                                         .arg(QChar('A' + letterIndex))
                                         .arg(m_fileName)
                                         .arg(slot + 1)};
            }
        }
        entries[slot] = *field;
    }
    return std::nullopt;
}
