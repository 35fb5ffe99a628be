#pragma once

// How close a word of the lexicon is to the word being checked: twice the
// number of matching characters divided by the sum of the two lengths, the
// matching characters found by taking the longest common run, then the same
// on the parts left and right of it.
#include <QString>
#include <QStringView>

// The number of matching characters between A[s1..e1] and B[s2..e2],
// positions counted from 1, both ends included; 0 for an empty or invalid
// range. Among several longest runs the first met wins: the smallest
// position in A, then the smallest position in B.
int CommonCharCount(QStringView A, int s1, int e1, QStringView B, int s2, int e2);

// Upper case letter by letter: an accented letter keeps its accent and no
// letter turns into two, so the length never changes.
QString UpperCaseLetters(QStringView text);

// From 0 to 1, compared in upper case; 1 when both read the same.
double WordSimilarity(QStringView candidate, QStringView word);

// WordSimilarity in percent, rounded to two decimals (a half goes to the
// even neighbour), as a whole number of hundredths: 8000 is 80.00 percent.
// Worked out on whole numbers so that no rounding error of floating point
// can turn 80.00 into 79.99.
int SimilarityRateHundredths(QStringView candidate, QStringView word);
// The same from the count of matching characters and the sum of the lengths.
int RateHundredths(int matches, int totalLength);
