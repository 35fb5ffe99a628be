#pragma once

// The homonyms: one entry "headword@hom1\hom2\..." per line of listhomo.ret,
// a fixed number of lines read in file order.
#include "lexicon/DataSizes.h"
#include "lexicon/RuntimeError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

class HomonymList {
public:
    static constexpr int HomonymCount = DataSizes::kHomonymCount;

    HomonymList() : m_slots(HomonymCount) {}

    // Slot n of the list is entry n - 1.
    const QStringList &entries() const { return m_slots; }

    // Reads HomonymCount fields; slots read before a failure keep their lines.
    std::optional<RuntimeError> load(const QString &path);
    // The same from the file's bytes, already read.
    std::optional<RuntimeError> loadBytes(QByteArray bytes, const QString &fileName);

private:
    QStringList m_slots;
};
