"""The pronunciation notes of the dictionary in stardict-xmlittre.

Each entry opens with a note in parentheses, syllabified the way the dictionary
says the word: "(pri-è-r') s. f.", "(jou-é)", "(lut')", an apostrophe marking
a mute e or a sounded final consonant; some add how verse counts the word
("en vers, de quatre syllabes"). They serve as a second opinion on the voice.
"""
import gzip
import os
import re
import struct
from dataclasses import dataclass

DIC_DIR = "/usr/share/stardict/dic"
INDEX = os.path.join(DIC_DIR, "XMLittre.idx")
ENTRIES = os.path.join(DIC_DIR, "XMLittre.dict.dz")

VOWEL_LETTERS = set("aeiouyàâäéèêëîïôöùûüÿœæ")
NUMBERS = {"une": 1, "un": 1, "deux": 2, "trois": 3, "quatre": 4, "cinq": 5, "six": 6,
           "sept": 7, "huit": 8, "neuf": 9}
_NOTE = re.compile(r"^\s*<i><small>\(")
_VERSE = re.compile(r"en vers,? (?:il est |elle est |ce mot est )?(?:de|en) (\w+) syllabes?")


@dataclass(frozen=True)
class Note:
    said: str            # the first syllabified reading: "pri-è-r'"
    verse: int = 0       # the count in verse when the note gives it
    mixed: bool = False  # homographs read the vowels differently ("fier", "hier")

    @property
    def syllables(self):
        """Pieces with a vowel: "pri-è-r'" 2, "sou-ve-nir" 3 (the dictionary writes
        a mute e it counts as "e", one it drops as an apostrophe)."""
        pieces = [p for p in re.split(r"[-\s]+", self.said) if any(c in VOWEL_LETTERS for c in p)]
        return self.verse or len(pieces)

    @property
    def final_consonant_said(self):
        """Whether the reading ends on a consonant ("lut'", "sièl"), not a vowel ("sur-sî")."""
        said = self.said.rstrip()
        if said.endswith("'"):
            return True
        if re.search(r"[aeiouyéèêâôîû]n$", said) or re.search(r"[aeiouyéèêâôîû]m$", said):
            return False  # a nasal vowel: "plon", "man"
        return bool(said) and said[-1] not in VOWEL_LETTERS

    @property
    def hiatus_splits(self):
        """Vowels the reading says apart where French may glide ("li-in", "jou-é",
        "du-èl"), not those after a consonant and l or r ("pri-è-r'"), which any
        reading says apart."""
        if self.mixed:
            return 0
        n = 0
        for m in re.finditer(r"(ou|i|u|y)-(?=[aeiouyéèêâôîû])", self.said):
            before = self.said[max(0, m.start() - 2):m.start()]
            if len(before) == 2 and before[0] in "bcdfgkptv" and before[1] in "lr" and m.group(1) != "u":
                continue  # "u-i" after one: "bru-i-n'", where speech glides ("bruit")
            if m.start() > 0 and self.said[m.start() - 1] in VOWEL_LETTERS:
                continue
            n += 1
        return n


def available():
    return os.path.exists(INDEX) and os.path.exists(ENTRIES)


def _index(data):
    i = 0
    while i < len(data):
        end = data.index(b"\0", i)
        head = data[i:end].decode("utf-8", "replace")
        offset, size = struct.unpack(">II", data[end + 1:end + 9])
        i = end + 9
        yield head, offset, size


def headword_spellings(head):
    """"PASSIONNÉ, ÉE" -> "passionné"; "SOUVENIR.1" -> "souvenir"; "RUINE, EE"
    -> "ruiné" (some headwords lose the accent their feminine keeps)."""
    head = re.sub(r"\.\d+$", "", head)
    first, _, inflection = head.partition(",")
    first = first.strip().lower()
    if inflection.strip() in ("EE", "ÉE") and first.endswith("e"):
        first = first[:-1] + "é"
    return first


def _closing(text, start):
    depth = 0
    for i in range(start, len(text)):
        if text[i] == "(":
            depth += 1
        elif text[i] == ")":
            depth -= 1
            if depth == 0:
                return i
    return -1


def parse_note(entry_text):
    """The note of an entry's text, or None when it opens with none."""
    m = _NOTE.match(entry_text)
    if not m:
        return None
    open_at = m.end() - 1
    close_at = _closing(entry_text, open_at)
    if close_at < 0:
        return None
    inner = re.sub(r"<[^>]+>", "", entry_text[open_at + 1:close_at])
    said = re.sub(r"\s*-\s*", "-", re.split(r"[;,.]", inner)[0].strip())
    if not said or " " in said.strip() and not re.fullmatch(r"[\w'\-îûâêôéèàùç ]+", said):
        return None
    if not re.fullmatch(r"[a-zàâäéèêëîïôöùûüÿçœæ'\- ]+", said):
        return None  # a remark, not a reading ("voy. ce mot")
    verse = _VERSE.search(inner)
    count = NUMBERS.get(verse.group(1), 0) if verse else 0
    return Note(said, count)


def read_notes(index_path=INDEX, entries_path=ENTRIES):
    """{headword in lower case: Note} for every entry that has a reading; of
    homographs, the first, marked mixed when another says its vowels otherwise."""
    with open(index_path, "rb") as f:
        index = f.read()
    with gzip.open(entries_path, "rb") as f:
        entries = f.read()
    notes = {}
    for head, offset, size in _index(index):
        word = headword_spellings(head)
        note = parse_note(entries[offset:offset + min(size, 600)].decode("utf-8", "replace"))
        if note is None:
            continue
        first = notes.get(word)
        if first is None:
            notes[word] = note
        elif not first.mixed and first.hiatus_splits != note.hiatus_splits:
            notes[word] = Note(first.said, first.verse, True)
    return notes
