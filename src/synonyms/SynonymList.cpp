#include "synonyms/SynonymList.h"

#include "lexicon/RegularFile.h"
#include "lexicon/TextCodec.h"
#include "lexicon/TextReplace.h"
#include "lexicon/WordCipher.h"

#include <QFileInfo>

SynonymList::SynonymList()
{
    emptyBlocks();
}

void SynonymList::emptyBlocks()
{
    for (int b = 0; b < BlockCount; ++b)
        m_blocks[b] = SynonymBlock(blockSize(b));
}

bool SynonymList::isEnciphered(int letterIndex)
{
    return letterIndex == 'H' - 'A' || letterIndex == 'Q' - 'A' || letterIndex == 'U' - 'A';
}

std::optional<RuntimeError> SynonymList::open(const QString &path)
{
    m_fileName = QFileInfo(path).fileName();
    m_problemMet = false;
    RegularFileRead file = ReadRegularFile(path);
    if (file.outcome == RegularFileRead::Outcome::Missing)
        return RuntimeError::fileNotFound(m_fileName);
    if (!file.ok())
        return RuntimeError::fileUnreadable(m_fileName, file.reason);
    const qsizetype size = file.bytes.size();
    openBytes(std::move(file.bytes), m_fileName);
    m_source = SynonymSource::open(path, size);
    return std::nullopt;
}

void SynonymList::close()
{
    if (m_source) {
        for (int b = 0; b < BlockCount; ++b)
            m_blocks[b].leaveBytesToFile(m_source, b);
    }
    m_source.reset();
    m_reader = {};
}

void SynonymList::openBytes(QByteArray bytes, const QString &fileName)
{
    m_fileName = fileName;
    m_problemMet = false;
    m_source.reset();
    // A list read again starts empty: no slot keeps a place in the bytes or
    // the file of an earlier reading.
    emptyBlocks();
    m_reader = DelimitedFieldReader(std::move(bytes), m_fileName);
}

std::optional<RuntimeError> SynonymList::readBlocks(char firstLetter, char lastLetter)
{
    std::optional<RuntimeError> problem;
    for (int b = firstLetter - 'A'; b <= lastLetter - 'A'; ++b) {
        readBlock(b, problem);
        // This line is fixed by the program, whatever the file holds there.
        if (b == 'U' - 'A' && m_blocks[b].size() >= UnanimitySlot)
            m_blocks[b].setText(UnanimitySlot - 1, UnanimityLine);
    }
    if (!problem || m_problemMet)
        return std::nullopt;
    m_problemMet = true;
    return problem;
}

std::optional<QString> SynonymList::decipherEntry(const QString &stored, int letterIndex)
{
    const qsizetype at = stored.indexOf(QLatin1Char('@'));
    if (at < 0)
        return std::nullopt;
    QString head = stored.left(at);
    // Block H writes the commas of its cipher text as "£" so that a line
    // stays one comma-delimited field.
    if (letterIndex == 'H' - 'A')
        head = sChangeCaractere(head, QStringLiteral("£"), QStringLiteral(","));
    return WordCipher(head) + stored.mid(at);
}

void SynonymList::readBlock(int letterIndex, std::optional<RuntimeError> &problem)
{
    SynonymBlock &entries = m_blocks[letterIndex];
    for (qsizetype slot = 0; slot < entries.size(); ++slot) {
        RuntimeError error;
        const std::optional<QByteArrayView> field = m_reader.nextBytes(error);
        if (!field) {
            if (!problem)
                problem = error;
            return;
        }
        if (!isEnciphered(letterIndex)) {
            entries.setBytes(slot, m_reader.bytes(), *field);
            continue;
        }
        const std::optional<QString> entry = decipherEntry(TextCodec::fromWindows1252(*field), letterIndex);
        if (!entry) {
            if (!problem) {
                problem = RuntimeError {RuntimeError::ReadPastEnd,
                                        QStringLiteral("Ligne sans « @ » dans le bloc %1 de %2 (entrée %3).")
                                            .arg(QString(QChar('A' + letterIndex)), m_fileName,
                                                 QString::number(slot + 1))};
            }
            continue;
        }
        entries.setText(slot, *entry);
    }
}
