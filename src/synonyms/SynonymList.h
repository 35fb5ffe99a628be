#pragma once

// The synonyms dictionary: one entry "headword@syn1\syn2\..." per line of
// listsyno.ret, in 26 blocks A to Z whose sizes are fixed by the program.
// Only a line's position in the file decides its block. Headwords of blocks
// H, Q and U are stored enciphered and deciphered while loading; the other
// lines stay as the file's bytes until they are asked for.
#include "lexicon/DataSizes.h"
#include "lexicon/RuntimeError.h"
#include "synonyms/DelimitedFieldReader.h"
#include "synonyms/SynonymBlock.h"
#include "synonyms/SynonymSource.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class SynonymList {
public:
    static inline const QString UnanimityLine =
        QStringLiteral("unanimité@accord\\conformité\\consentement\\harmonie\\unité\\uniformité");
    static constexpr int UnanimitySlot = 26;
    static constexpr int BlockCount = 26;

    SynonymList();

    // Block of an initial letter 'A'..'Z' (index 0..25): its slots in file
    // order; slot n of the block is entry n - 1.
    const SynonymBlock &block(int letterIndex) const { return m_blocks[letterIndex]; }
    const SynonymBlock &blockOf(char letter) const { return m_blocks[letter - 'A']; }
    static int blockSize(int letterIndex) { return DataSizes::kSynonymBlockSizes[letterIndex]; }

    // Reading, stage by stage: open the file, then read blocks from first to
    // last letter (inclusive), going on where the previous read stopped.
    // A damaged line of an enciphered block leaves its slot empty and reading
    // goes on; a file that ends early leaves the remaining slots empty. Either
    // way the first problem is returned once, by the read that met it, so
    // that it is reported once and every block still gets what the file has.
    std::optional<RuntimeError> open(const QString &path);
    // The same from the file's bytes, already read.
    void openBytes(QByteArray bytes, const QString &fileName);
    std::optional<RuntimeError> readBlocks(char firstLetter, char lastLetter);
    // Reading is over. The file's bytes are let go when the list was opened
    // from a file: the blocks read theirs back from it when asked for.
    void close();

    static bool isEnciphered(int letterIndex);

private:
    void emptyBlocks();
    void readBlock(int letterIndex, std::optional<RuntimeError> &problem);
    static std::optional<QString> decipherEntry(const QString &stored, int letterIndex);

    std::array<SynonymBlock, BlockCount> m_blocks;
    DelimitedFieldReader m_reader;
    std::shared_ptr<SynonymSource> m_source;
    QString m_fileName;
    bool m_problemMet = false;
};
