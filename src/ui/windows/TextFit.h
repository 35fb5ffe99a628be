#pragma once

// Captions whose text is only known at run time (a clicked word, a verdict)
// shrink their font rather than lose their end at the edge of their label.
class QLabel;

namespace TextFit {
// Sets the label's font to the largest point size from largest down to
// smallest at which its one-line text fits its width.
void shrinkToFit(QLabel *label, int largestPointSize, int smallestPointSize);
} // namespace TextFit
