"""The 26 spelling lists, one per initial letter without its accent."""
import unicodedata

from .frenchorder import sort_key
from .writers import CRLF, padded_to_four


def initial_letter(word):
    first = unicodedata.normalize("NFD", word[:1])[:1].lower()
    return first if "a" <= first <= "z" else None


def letter_lists(forms):
    lists = {chr(c): [] for c in range(ord("a"), ord("z") + 1)}
    for w in forms:
        letter = initial_letter(w)
        if letter:
            lists[letter].append(w)
    return {k: sorted(v, key=sort_key) for k, v in lists.items()}


def list_file(words):
    return padded_to_four(b"".join(w.encode("latin-1") + CRLF for w in words))
