"""The dictionary's pronunciation notes the tests use, kept with the tests.

The full dictionary (stardict-xmlittre) is large and not installed on every
machine; the notes of the hand-checked words are copied into
dictionary_notes.tsv so the tests read the same notes everywhere. Run this
file where the dictionary is installed to write the extract again after the
hand list changes.
"""
import dataclasses
import os
import sys

import shipped
from lexbuild.littre_notes import Note

EXTRACT = os.path.join(shipped.HERE, "dictionary_notes.tsv")
# words the rule tests ask about besides the hand list
OTHER_WORDS = ("lien", "jouer", "duel", "pitié", "nuit", "ciel", "passionné")


def wanted_words():
    """The hand list's words and the shorter spellings that may be their lemma."""
    words = set(OTHER_WORDS)
    for word, *_ in shipped.hand_list():
        words.update(word[:len(word) - cut] for cut in range(4))
    return words


def read_extract(path=EXTRACT):
    notes = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            word, said, verse, mixed = line.rstrip("\n").split("\t")
            note = Note(said, int(verse), mixed == "1")
            first = notes.get(word)
            # a word's later rows are its homographs' readings
            notes[word] = note if first is None else dataclasses.replace(
                first, homographs=first.homographs + (note,))
    return notes


def write_extract(notes, path=EXTRACT):
    with open(path, "w", encoding="utf-8") as f:
        f.write("# word\tsaid\tverse count (0: not given)\tmixed homographs (1); "
                "a word's later rows: its homographs\n")
        for word in sorted(wanted_words() & notes.keys()):
            for note in (notes[word],) + notes[word].homographs:
                f.write(f"{word}\t{note.said}\t{note.verse}\t{int(note.mixed)}\n")


if __name__ == "__main__":
    from lexbuild import littre_notes
    if not littre_notes.available():
        sys.exit("the dictionary of stardict-xmlittre is not installed")
    write_extract(littre_notes.read_notes())
