"""The pronunciation notes of the dictionary in stardict-xmlittre.

Each entry opens with a note in parentheses, syllabified the way the dictionary
says the word: "(pri-è-r') s. f.", "(jou-é)", "(lut')", an apostrophe marking
a mute e or a sounded final consonant; some add how verse counts the word
("en vers, de quatre syllabes"). They serve as a second opinion on the voice.
"""
import dataclasses
import difflib
import gzip
import itertools
import os
import re
import struct
import unicodedata
from dataclasses import dataclass

DIC_DIR = "/usr/share/stardict/dic"
INDEX = os.path.join(DIC_DIR, "XMLittre.idx")
ENTRIES = os.path.join(DIC_DIR, "XMLittre.dict.dz")

VOWEL_LETTERS = set("aeiouyàâäéèêëîïôöùûüÿœæ")
NUMBERS = {"une": 1, "un": 1, "deux": 2, "trois": 3, "quatre": 4, "cinq": 5, "six": 6,
           "sept": 7, "huit": 8, "neuf": 9}
_NOTE = re.compile(r"^\s*<i><small>\(")
_VOWEL_GROUP = re.compile("[aeiouyàâäéèêëîïôöùûüÿœæ]+")
# Readings the note gives side by side: "bô ou bèl", "ko-lon-bê-r et ko-lon-ba-ri-om'"
_ALTERNATIVES = re.compile(r"\s+(?:ou|et non|et aussi|et)\s+")
_VERSE = re.compile(r"en vers,? (?:il est |elle est |ce mot est )?(?:de|en) (\w+) syllabes?")


@dataclass(frozen=True)
class Note:
    said: str            # the first syllabified reading: "pri-è-r'"
    verse: int = 0       # the count in verse when the note gives it
    mixed: bool = False  # homographs read the vowels differently ("fier", "ruiné")
    # the other readings of homographs, in the dictionary's order ("hier" the
    # verb "bi-é", then the adverb "i-êr")
    homographs: tuple = ()

    def ending_as(self, final_consonant_said):
        """Of this reading and its homographs', the first that ends as a word
        is said (on a consonant or not), with this one's mark of mixed
        homographs; None when none does."""
        for note in (self,) + self.homographs:
            if note.final_consonant_said == final_consonant_said:
                return note if note is self else dataclasses.replace(note, mixed=self.mixed)
        return None

    @property
    def syllables(self):
        """Groups of vowel letters, piece by piece: "pri-è-r'" 2, "sou-ve-nir" 3 (the
        dictionary writes a mute e it counts as "e", one it drops as an
        apostrophe); a piece the dictionary forgot to cut counts all its groups
        ("an-tiê-reman" 4)."""
        pieces = re.split(r"[-\s]+", self.said)
        return self.verse or sum(len(re.findall(_VOWEL_GROUP, p)) for p in pieces)

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


def _plain(text):
    text = unicodedata.normalize("NFD", text.lower().replace("ç", "s"))
    return "".join(c for c in text if unicodedata.category(c) != "Mn").replace("œ", "e").replace("æ", "e")


def _consonants(text):
    """The consonants of a spelling or a reading in broad classes, voicing
    ignored: "cardinal" and "kar-di-nal" both "krtnl"."""
    text = re.sub(r"c(?=[eiy])", "s", text)
    text = re.sub(r"g(?=[eiy])", "j", text)
    for a, b in (("sch", "ch"), ("gh", "g"), ("ph", "f"), ("qu", "k"), ("gu", "g"), ("ch", "j"), ("gn", "n"), ("th", "t"),
                 ("x", "ks"), ("c", "k"), ("q", "k"), ("h", ""), ("w", "v")):
        text = text.replace(a, b)
    text = re.sub(r"[^bdfgjklmnprstvz]", "", text).translate(str.maketrans("bdgvz", "ptkfs"))
    return re.sub(r"(.)\1", r"\1", text)


def _spelt_as_said(word):
    """The ways a spelling may sound, as letters the notes would write: "ti"
    before a vowel said t or s ("métier", "initier"), final "-er" said é or èr
    ("huer", "fer"), "ch" said ch or k ("chorion"), Latin "-um" said om."""
    spelt = re.sub(r"um$", "om'", _plain(word))
    out = []
    for ti, er, ch in itertools.product((False, True), repeat=3):
        w = re.sub(r"(?<=[^s])ti(?=[aeiouy])", "si", spelt) if ti else spelt
        w = re.sub(r"er$", "e", w) if er else w
        w = w.replace("ch", "k") if ch else w
        w = re.sub(r"(?<=[aeiouy])[mn](?![aeiouy'])", "", w)  # nasal vowels
        out.append(re.sub(r"(e?s|e?nt|[tdxzp])$", "", w))       # silent endings
    return out


def spelling_likeness(word, said):
    """How much a reading sounds like a spelling, 0 to 1, by their consonants:
    the dictionary's own reading of a word is above 0.45 ("emménagement",
    "an-mé-na-je-man"), a note of another word below ("terre", "dé-flé-chi")."""
    heard = _consonants(re.sub(r"(?<=[aeiouy])[mn](?![aeiouy'])", "", _plain(said)))
    best = 0.0
    for spelt in _spelt_as_said(word):
        a = _consonants(spelt)
        if not a or not heard:
            return 1.0  # nothing to compare ("hop", "haos")
        like = 1.0 if a == heard else difflib.SequenceMatcher(None, a, heard).ratio()
        if a[:1] != heard[:1] and spelt[:1] not in "aeiouy" and heard[:1] not in ("", "a", "e", "i", "o", "u", "y"):
            like *= 0.75  # another first consonant: "faveur", "pa-ra-frâ-zé"
        best = max(best, like)
    return best


def _letters_likeness(word, said):
    return difflib.SequenceMatcher(None, _plain(word), re.sub(r"[-' ]", "", _plain(said))).ratio()


LEAST_LIKENESS = 0.45


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


def parse_note(entry_text, word=None):
    """The note of an entry's text, or None when it opens with none; given the
    headword, the reading most like it, or None when none is like it."""
    m = _NOTE.match(entry_text)
    if not m:
        return None
    open_at = m.end() - 1
    close_at = _closing(entry_text, open_at)
    if close_at < 0:
        return None
    inner = re.sub(r"<[^>]+>", "", entry_text[open_at + 1:close_at])
    said = re.sub(r"\s*-\s*", "-", re.split(r"[;,.]", inner)[0].strip())
    readings = [r for r in _ALTERNATIVES.split(said) if r]
    if word is not None and readings:
        # the reading of this very word; none at all when the note is of another
        # word (some index entries point into the wrong article)
        # of equally like readings, the one nearer the letters ("ri-a" of "ré-a ou
        # ri-a"), then the first ("bi-ê ou biê")
        likeness, _, _, said = max((round(spelling_likeness(word, r), 2), round(_letters_likeness(word, r), 2),
                                    -i, r) for i, r in enumerate(readings))
        if likeness < LEAST_LIKENESS:
            return None
    if not said or " " in said.strip() and not re.fullmatch(r"[\w'\-îûâêôéèàùç ]+", said):
        return None
    if not re.fullmatch(r"[a-zàâäéèêëîïôöùûüÿçœæ'\- ]+", said):
        return None  # a remark, not a reading ("voy. ce mot")
    verse = _VERSE.search(inner)
    count = NUMBERS.get(verse.group(1), 0) if verse else 0
    return Note(said, count)


def read_notes(index_path=INDEX, entries_path=ENTRIES):
    """{headword in lower case: Note} for every entry that has a reading; of
    homographs, the first, marked mixed when another says its vowels otherwise,
    with the others' readings beside it."""
    with open(index_path, "rb") as f:
        index = f.read()
    with gzip.open(entries_path, "rb") as f:
        entries = f.read()
    notes = {}
    for head, offset, size in _index(index):
        word = headword_spellings(head)
        note = parse_note(entries[offset:offset + min(size, 600)].decode("utf-8", "replace"), word)
        if note is None:
            continue
        first = notes.get(word)
        if first is None:
            notes[word] = note
            continue
        if not first.mixed and first.hiatus_splits != note.hiatus_splits:
            first = dataclasses.replace(first, mixed=True)
        if (note.said, note.verse) not in {(n.said, n.verse) for n in (first,) + first.homographs}:
            first = dataclasses.replace(first, homographs=first.homographs + (note,))
        notes[word] = first
    return notes
