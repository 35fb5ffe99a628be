"""The program's constants that must match the shipped data."""


def header_text(block_sizes, homonyms, anacyclics, palindromes, words, exact_sounds, approx_sounds):
    sizes = [str(n) for n in block_sizes]
    rows = []
    row = "   "
    for i, s in enumerate(sizes):
        piece = " " + s + ("," if i < len(sizes) - 1 else "};")
        if len(row) + len(piece) > 80:
            rows.append(row)
            row = "   "
        row += piece
    rows.append(row)
    return (
        "#pragma once\n"
        "\n"
        "// Sizes of the shipped data files. Written by the data build (tools/lexicon)\n"
        "// from the data it makes; a test checks that they match the files in data/.\n"
        "#include <array>\n"
        "\n"
        "namespace DataSizes {\n"
        "// Lines of listsyno.ret per initial letter, A to Z.\n"
        "inline constexpr std::array<int, 26> kSynonymBlockSizes = {\n"
        + "\n".join(rows) + "\n"
        "inline constexpr int kSynonymTotal = %d;\n"
        "inline constexpr int kHomonymCount = %d;\n"
        "inline constexpr int kAnacyclicCount = %d;\n"
        "inline constexpr int kPalindromeCount = %d;\n"
        "// Lines of the word list and of the two rhyme-sound lists.\n"
        "inline constexpr int kWordCount = %d;\n"
        "inline constexpr int kExactSoundCount = %d;\n"
        "inline constexpr int kApproxSoundCount = %d;\n"
        "} // namespace DataSizes\n" % (sum(block_sizes), homonyms, anacyclics, palindromes,
                                        words, exact_sounds, approx_sounds))
