"""French dictionary order: letters first, then accents read from the end, then case."""

_BASE = {}
_ACCENT = {}


def _setup():
    groups = {
        "a": "aàáâãäå", "c": "cç", "e": "eéèêë", "i": "iíìîï", "n": "nñ",
        "o": "oóòôõö", "u": "uúùûü", "y": "yÿý",
    }
    for base, letters in groups.items():
        for rank, letter in enumerate(letters):
            _BASE[letter] = base
            _ACCENT[letter] = rank
            _BASE[letter.upper()] = base
            _ACCENT[letter.upper()] = rank


_setup()
_IGNORED = set("-' ’.")


def _expand(word):
    return word.replace("œ", "oe").replace("Œ", "Oe").replace("æ", "ae").replace("Æ", "Ae")


def sort_key(word):
    """Key giving French dictionary order.

    Hyphens, apostrophes and blanks are ignored at first; accent differences
    decide from the end of the word ("bére" before "beré"); then lower case
    before capitals; the word itself breaks any remaining tie so that the
    order is total and every run gives the same bytes.
    """
    expanded = _expand(word)
    letters = [c for c in expanded if c not in _IGNORED]
    primary = "".join(_BASE.get(c, c.lower()) for c in letters)
    accents = tuple(_ACCENT.get(c, 0) for c in reversed(letters))
    case = tuple(1 if c.isupper() else 0 for c in letters)
    punctuation = tuple((i, c) for i, c in enumerate(expanded) if c in _IGNORED)
    return (primary, accents, case, punctuation, word)


def french_sorted(words):
    return sorted(words, key=sort_key)
