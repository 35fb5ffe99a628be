#pragma once

// Sizes of the shipped data files. Written by the data build (tools/lexicon)
// from the data it makes; a test checks that they match the files in data/.
#include <array>

namespace DataSizes {
// Lines of listsyno.ret per initial letter, A to Z.
inline constexpr std::array<int, 26> kSynonymBlockSizes = {
    3334, 2015, 3842, 2041, 3192, 1578, 1345, 895, 2055, 331, 64, 1058, 1839,
    598, 785, 3532, 142, 2389, 2300, 1682, 162, 853, 37, 16, 15, 63};
inline constexpr int kSynonymTotal = 36163;
inline constexpr int kHomonymCount = 529;
inline constexpr int kAnacyclicCount = 571;
inline constexpr int kPalindromeCount = 77;
// Lines of the word list and of the two rhyme-sound lists.
inline constexpr int kWordCount = 297829;
inline constexpr int kExactSoundCount = 4988;
inline constexpr int kApproxSoundCount = 807;
} // namespace DataSizes
