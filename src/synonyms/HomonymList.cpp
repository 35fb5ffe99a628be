#include "synonyms/HomonymList.h"

#include "synonyms/DelimitedFieldReader.h"

#include <QFile>
#include <QFileInfo>

std::optional<RuntimeError> HomonymList::load(const QString &path)
{
    const QString fileName = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.exists())
        return RuntimeError::fileNotFound(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return RuntimeError::fileError(fileName, file.errorString());
    DelimitedFieldReader reader(file.readAll(), fileName);
    for (qsizetype slot = 0; slot < m_slots.size(); ++slot) {
        RuntimeError error;
        const std::optional<QString> field = reader.next(error);
        if (!field)
            return error;
        m_slots[slot] = *field;
    }
    return std::nullopt;
}
