#pragma once

// Sizes of the shipped data files. Written by the data build (tools/lexicon)
// from the data it makes; a test checks that they match the files in data/.
#include <array>

namespace DataSizes {
// Lines of listsyno.ret per initial letter, A to Z.
inline constexpr std::array<int, 26> kSynonymBlockSizes = {
    1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 26, 1, 1, 1, 1, 1};
inline constexpr int kSynonymTotal = 51;
inline constexpr int kHomonymCount = 3;
inline constexpr int kAnacyclicCount = 1;
inline constexpr int kPalindromeCount = 1;
} // namespace DataSizes
