#pragma once

// A list of rhyme sounds ("1_SONORES_EXACTES" or "2_SONORES_APP"): every
// distinct sound of the word list, one a line. Loaded once, kept for the run;
// the searches do not read it (they find sounds in the word list itself).
#include "lexicon/RuntimeError.h"

#include <QByteArray>
#include <QStringList>
#include <optional>

class SoundList {
public:
    // Capacities follow the shipped data with room to spare.
    static constexpr int ExactCapacity = 10001;
    static constexpr int ApproxCapacity = 2001;

    explicit SoundList(int capacity) : m_capacity(capacity) {}

    int capacity() const { return m_capacity; }
    // The number of CR LF in the item; one more entry than that is stored.
    int count() const { return m_count; }
    const QStringList &entries() const { return m_entries; }

    // Stores every piece between CR LF, the last one too. More pieces than
    // the capacity keeps those that fit and fails.
    std::optional<RuntimeError> load(const std::optional<QByteArray> &item, const QString &type, int id);

private:
    int m_capacity;
    int m_count = 0;
    QStringList m_entries;
};
