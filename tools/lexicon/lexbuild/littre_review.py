"""Where the voice's mended reading and the dictionary's notes disagree.

Written to the build's cache for a person to review; the mends that review
leads to go into mends.py.
"""
from .phonemes import is_vowel

CONSONANT_ENDINGS = tuple("bcdfghklpqrstxz")


def final_consonant_said(ph):
    return bool(ph) and not is_vowel(ph[-1])


def disagreements(lines, notes):
    """(final consonant rows, syllable rows): headword, our reading, the note's."""
    finals, counts = [], []
    seen = set()
    for line in lines:
        if line.conjugated or line.headword in seen:
            continue
        note = notes.get(line.headword)
        if note is None:
            continue
        seen.add(line.headword)
        # a homograph's reading when the first is of another word ("hier")
        note = note.ending_as(final_consonant_said(line.phonemes)) or note
        said = "".join(line.phonemes)
        if line.headword.endswith(CONSONANT_ENDINGS) and \
                final_consonant_said(line.phonemes) != note.final_consonant_said:
            finals.append((line.score, line.headword, said, note.said))
        if note.syllables != line.syllables:
            counts.append((line.score, line.headword, "%s %d" % (said, line.syllables),
                           "%s %d" % (note.said, note.syllables)))
    finals.sort(key=lambda r: -r[0])
    counts.sort(key=lambda r: -r[0])
    return finals, counts


def write(path, finals, counts, compared):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# compared headwords: %d\n" % compared)
        f.write("# final consonant, said or silent: %d\n" % len(finals))
        for _, head, ours, theirs in finals:
            f.write("final\t%s\t%s\t%s\n" % (head, ours, theirs))
        f.write("# syllables: %d\n" % len(counts))
        for _, head, ours, theirs in counts:
            f.write("syllables\t%s\t%s\t%s\n" % (head, ours, theirs))
