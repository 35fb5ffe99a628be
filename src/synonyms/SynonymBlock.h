#pragma once

// One block of the synonyms dictionary: its slots in file order, each kept
// as the bytes the file holds for it and decoded from Windows-1252 only when
// it is asked for. A slot whose text differs from its bytes (a deciphered
// headword, the program's fixed line) keeps that text instead.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <memory>
#include <vector>

class SynonymSource;

class SynonymBlock {
public:
    SynonymBlock() = default;
    // size empty slots.
    explicit SynonymBlock(qsizetype size) : m_slots(std::size_t(size)) {}

    qsizetype size() const { return qsizetype(m_slots.size()); }
    bool isEmpty() const { return m_slots.empty(); }
    // The text of a slot ("" for an empty slot or one out of range).
    QString at(qsizetype slot) const;
    QString operator[](qsizetype slot) const { return at(slot); }
    QString first() const { return at(0); }
    QString last() const { return at(size() - 1); }
    bool contains(QStringView text) const;
    // The text of a slot, at most its first length characters.
    QString start(qsizetype slot, qsizetype length) const;

    // Filling, while the file is read: a slot is its bytes (a view into
    // bytes, which the block then shares) or a text of its own.
    void setBytes(qsizetype slot, const QByteArray &bytes, QByteArrayView field);
    void setText(qsizetype slot, const QString &text);
    // Once filled: lets the bytes go, to be read back from the file when
    // the block is asked for (block: its index in the list).
    void leaveBytesToFile(std::shared_ptr<const SynonymSource> source, int block);

private:
    // The bytes the slots are in: the file's, or the block's own read back.
    QByteArrayView bytes() const;

    // Bytes start..start+length of m_bytes, or, for a negative length,
    // m_texts[-length - 1].
    struct Slot {
        quint32 start = 0;
        qint32 length = 0;
    };

    std::vector<Slot> m_slots;
    QByteArray m_bytes;
    QStringList m_texts;
    // When the bytes were left to the file: where the block's bytes are in
    // it (the slots then count from there).
    std::shared_ptr<const SynonymSource> m_source;
    int m_block = -1;
    qint64 m_fileOffset = 0;
    qint64 m_byteCount = 0;
};
