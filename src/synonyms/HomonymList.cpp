#include "synonyms/HomonymList.h"

#include "synonyms/DelimitedFieldReader.h"

#include "lexicon/RegularFile.h"

#include <QFileInfo>

std::optional<RuntimeError> HomonymList::load(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    RegularFileRead file = ReadRegularFile(path);
    if (file.outcome == RegularFileRead::Outcome::Missing)
        return RuntimeError::fileNotFound(fileName);
    if (!file.ok())
        return RuntimeError::fileUnreadable(fileName, file.reason);
    DelimitedFieldReader reader(std::move(file.bytes), fileName);
    for (qsizetype slot = 0; slot < m_slots.size(); ++slot) {
        RuntimeError error;
        const std::optional<QString> field = reader.next(error);
        if (!field)
            return error;
        m_slots[slot] = *field;
    }
    return std::nullopt;
}
