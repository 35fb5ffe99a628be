"""Signs that a word belongs to today's French, beside the 19th-century quotations.

hunspell's French dictionary (hunspell-fr-comprehensive, `fr.dic`) lists about
86,000 stems of the general modern vocabulary with their part of speech; the
forms its affix flags make (plurals, feminines, the prefixed units
"exaampère", "kilolitre") are not stems. A lemma that both this dictionary and
the grammalecte lexicon give, in the common spelling, as a noun, adjective,
adverb, interjection or verb is a word of today's French even when no quotation of
the 19th century uses it ("internet", "yaourt", "kiwi").
"""

# hunspell's parts of speech that name the same kinds of words as the lexicon's
# (its verbs are "v1", "v2", "v3", "v0")
MODERN_PARTS = {"nom", "adj", "adv", "interj", "v0", "v1", "v2", "v3"}
MODERN_CATEGORIES = {"NOM", "ADJ", "ADV", "INT", "VER"}


def read_stems(path):
    """{stem: parts of speech} of a hunspell .dic file (its first line is a count)."""
    stems = {}
    with open(path, encoding="utf-8") as f:
        next(f, None)
        for line in f:
            head, _, fields = line.rstrip("\n").partition(" ")
            stem = head.split("/", 1)[0]
            parts = {p[3:] for p in fields.split() if p.startswith("po:")}
            if stem and parts:
                stems.setdefault(stem, set()).update(parts)
    return stems


def modern_lemmas(entries, stems):
    """Lemmas of the lexicon's common spelling that hunspell has as a stem of a
    like part of speech."""
    out = set()
    for e in entries:
        if (e.variant == "*" and e.form == e.lemma and e.category in MODERN_CATEGORIES
                and stems.get(e.lemma, set()) & MODERN_PARTS):
            out.add(e.lemma)
    return out
