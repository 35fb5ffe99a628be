"""Reading the shipped data files back, for the tests."""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
TOOL = os.path.dirname(HERE)
REPO = os.path.dirname(os.path.dirname(TOOL))
DATA = os.path.join(REPO, "data")
sys.path.insert(0, TOOL)

from lexbuild import cipher  # noqa: E402


def data_path(*parts):
    return os.path.join(DATA, *parts)


def read(*parts):
    with open(data_path(*parts), "rb") as f:
        return f.read()


def word_key():
    return cipher.read_key(os.path.join(REPO, "src/lexicon/WordKey.h"))


def data_sizes():
    with open(os.path.join(REPO, "src/lexicon/DataSizes.h"), encoding="utf-8") as f:
        text = f.read()
    blocks = re.search(r"kSynonymBlockSizes\s*=\s*\{([^}]*)\}", text).group(1)
    out = {"blocks": [int(x) for x in blocks.replace("\n", " ").split(",") if x.strip()]}
    for name in ("kSynonymTotal", "kHomonymCount", "kAnacyclicCount", "kPalindromeCount",
                 "kWordCount", "kExactSoundCount", "kApproxSoundCount"):
        out[name] = int(re.search(name + r"\s*=\s*(\d+)", text).group(1))
    return out


_rows = None


def word_rows():
    """[(headword, [exact, approx, tail, conj, syllables, categories])] in file order."""
    global _rows
    if _rows is None:
        key = word_key()
        raw = read("3_LISTE_DES_MOTS.103")
        pieces = raw.split(b"\r\n")
        _rows = []
        for piece in pieces[:-1]:
            line = piece.replace(b"\xa3", b",")
            fields = line.split(b"@")
            head = cipher.decipher(fields[0], key)
            _rows.append((head, [f.decode("cp1252") for f in fields[1:]]))
    return _rows


_by_word = None


def rows_by_word():
    global _by_word
    if _by_word is None:
        _by_word = {}
        for head, fields in word_rows():
            _by_word.setdefault(head, []).append(fields)
    return _by_word


def hand_list():
    """(word, exact, approx, syllables, category or None, how it is said)."""
    out = []
    with open(os.path.join(HERE, "expected_keys.tsv"), encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            w, e, a, s, c, ipa = line.rstrip("\n").split("\t")
            out.append((w, e, a, int(s), None if c == "-" else c, ipa))
    return out


_notes = None


def dictionary_notes():
    """The dictionary's pronunciation notes of the words the tests check, read from
    the extract kept with the tests so they hold where the dictionary is absent."""
    global _notes
    if _notes is None:
        import notes_extract
        _notes = notes_extract.read_extract()
    return _notes
