#include "lexicon/DataItems.h"

#include <QFile>

namespace {
std::optional<QByteArray> readResource(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}
} // namespace

namespace DataItems {

std::optional<QByteArray> read(const QString &type, int id)
{
    return readResource(QStringLiteral(":/items/%1/%2").arg(type, QString::number(id)));
}

std::optional<QByteArray> readNamed(const QString &name)
{
    return readResource(QStringLiteral(":/items/%1").arg(name));
}

} // namespace DataItems
