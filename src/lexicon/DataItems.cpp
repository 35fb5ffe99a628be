#include "lexicon/DataItems.h"

#include "lexicon/MappedPages.h"

#include <QResource>

namespace {
std::optional<QByteArray> readResource(const QString &path)
{
    const QResource resource(path);
    if (!resource.isValid() || !resource.data())
        return std::nullopt;
    // An item stored as it is is used in place: it lives as long as the
    // program, and readers only read it.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char *>(resource.data()), resource.size());
    return resource.uncompressedData();
}
} // namespace

namespace DataItems {

void releaseReadPages(const QString &type, int id)
{
    const QResource resource(QStringLiteral(":/items/%1/%2").arg(type, QString::number(id)));
    if (resource.isValid() && resource.data() && resource.compressionAlgorithm() == QResource::NoCompression)
        ReleaseMappedPages(QByteArrayView(reinterpret_cast<const char *>(resource.data()), resource.size()));
}

std::optional<QByteArray> read(const QString &type, int id)
{
    return readResource(QStringLiteral(":/items/%1/%2").arg(type, QString::number(id)));
}

std::optional<QByteArray> readNamed(const QString &name)
{
    return readResource(QStringLiteral(":/items/%1").arg(name));
}

} // namespace DataItems
