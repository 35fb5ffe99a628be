#pragma once

// Sizes of the shipped data files. Written by the data build (tools/lexicon)
// from the data it makes; a test checks that they match the files in data/.
#include <array>

namespace DataSizes {
// Lines of listsyno.ret per initial letter, A to Z.
inline constexpr std::array<int, 26> kSynonymBlockSizes = {
    3497, 1931, 3749, 2863, 3082, 1626, 1312, 852, 2052, 305, 62, 984, 1923,
    580, 749, 3444, 139, 2457, 2399, 1523, 160, 914, 36, 16, 14, 65};
inline constexpr int kSynonymTotal = 36734;
inline constexpr int kHomonymCount = 551;
inline constexpr int kAnacyclicCount = 1548;
inline constexpr int kPalindromeCount = 173;
} // namespace DataSizes
