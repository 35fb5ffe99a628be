#pragma once

// The synonyms dictionary: one entry "headword@syn1\syn2\..." per line of
// listsyno.ret, in 26 blocks A to Z whose sizes are fixed by the program.
// Only a line's position in the file decides its block. Headwords of blocks
// H, Q and U are stored enciphered and deciphered while loading.
#include "lexicon/DataSizes.h"
#include "lexicon/RuntimeError.h"
#include "synonyms/DelimitedFieldReader.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class SynonymList {
public:
    static inline const QString UnanimityLine =
        QStringLiteral("unanimité@accord\\conformité\\consentement\\harmonie\\unité\\uniformité");
    static constexpr int UnanimitySlot = 26;

    SynonymList();

    // Block of an initial letter 'A'..'Z' (index 0..25): its slots in file
    // order; slot n of the block is entry n - 1.
    const QStringList &block(int letterIndex) const { return m_blocks[letterIndex]; }
    static int blockSize(int letterIndex) { return DataSizes::kSynonymBlockSizes[letterIndex]; }

    // Reading, stage by stage: open the file, then read blocks from first to
    // last letter (inclusive), going on where the previous read stopped.
    std::optional<RuntimeError> open(const QString &path);
    std::optional<RuntimeError> readBlocks(char firstLetter, char lastLetter);
    void close() { m_reader = {}; }

    static bool isEnciphered(int letterIndex);

private:
    std::optional<RuntimeError> readBlock(int letterIndex);
    static std::optional<QString> decipherEntry(const QString &stored, int letterIndex);

    std::array<QStringList, 26> m_blocks;
    DelimitedFieldReader m_reader;
    QString m_fileName;
};
