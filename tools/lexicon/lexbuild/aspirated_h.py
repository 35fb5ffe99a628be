"""Words whose h is aspirated, from the dictionary's pronunciation notes.

The notes write a word the way it is said: a mute h is left out ("(o-m')"
for homme), an aspirated h is kept ("(hê-n')" for haine, "(ha-zar)" for
hasard). Verse needs the list: no elision and no liaison before those words.
A short hand list completes words the notes leave without a reading.
"""
import os

from . import littre_notes

HAND_LIST = [
    "haine", "hanter", "haut", "héros", "hibou", "honte", "hêtre", "hameau", "harpe", "hasard", "hâte",
    "hérisson", "hurler", "huée", "hache", "haïr", "halte", "hangar", "hareng", "haricot", "hennir",
    "hideux", "hiérarchie", "hocher", "homard", "hors", "housse", "hublot", "huit", "hutte", "huitième",
]

# Readings that keep an h verse does not aspirate ("reverrai-je, hélas").
NOT_ASPIRATED = {"hélas", "helas"}


def aspirated_words(notes_items):
    """notes_items: (headword, Note) pairs; the headwords starting with h
    whose reading keeps the h."""
    words = set()
    for word, note in notes_items:
        if word.startswith("h") and note.said.startswith("h") and " " not in word:
            words.add(word)
    return words - NOT_ASPIRATED


def read_aspirated():
    words = set(HAND_LIST)
    if littre_notes.available():
        words |= aspirated_words(littre_notes.read_notes().items())
    return sorted(words)


def write(path):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("# Mots dont le h est aspiré (ni élision ni liaison devant eux).\n")
        for word in read_aspirated():
            f.write(word + "\n")


if __name__ == "__main__":
    import sys
    write(sys.argv[1] if len(sys.argv) > 1 else os.path.join("data", "h_aspire.txt"))
