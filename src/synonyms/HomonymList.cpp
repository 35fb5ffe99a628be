#include "synonyms/HomonymList.h"

#include "lexicon/RegularFile.h"
#include "synonyms/DelimitedFieldReader.h"

#include <QFileInfo>

std::optional<RuntimeError> HomonymList::load(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    RegularFileRead file = ReadRegularFile(path);
    if (file.outcome == RegularFileRead::Outcome::Missing)
        return RuntimeError::fileNotFound(fileName);
    if (!file.ok())
        return RuntimeError::fileUnreadable(fileName, file.reason);
    return loadBytes(std::move(file.bytes), fileName);
}

std::optional<RuntimeError> HomonymList::loadBytes(QByteArray bytes, const QString &fileName)
{
    DelimitedFieldReader reader(std::move(bytes), fileName);
    for (qsizetype slot = 0; slot < m_slots.size(); ++slot) {
        RuntimeError error;
        const std::optional<QString> field = reader.next(error);
        if (!field)
            return error;
        m_slots[slot] = *field;
    }
    return std::nullopt;
}
