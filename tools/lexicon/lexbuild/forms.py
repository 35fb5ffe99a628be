"""The full-form lexicon: forms with their lemma, category and verb tense."""
import dataclasses
import re
from dataclasses import dataclass

HEADWORD_CHARS = set("abcdefghijklmnopqrstuvwxyzàâäçèéêëîïôöùûüÿœæ-' ")
SPELLING_CHARS = set("abcdefghijklmnopqrstuvwxyzàáâäçèéêëìîïôöùúûüœæ-'")

CATEGORY_ORDER = ["NOM", "ADJ", "VER", "ADV", "PRO", "PRE", "CONJ", "INT", "LOC", "ONO", "PREF", "SUF"]

MAIN_TENSES = {"Ip", "Iq", "Is", "If", "K"}
OTHER_TENSES = {"Sp", "Sq", "E"}

_MARK = re.compile(r"[;#][^:/]*")

VOWELS = set("aeiouyàâäéèêëîïôöùûüÿœæ")
# Written only in formulas; "sinus", "cosinus", "logarithme" are the words.
MATH_FUNCTIONS = {"sin", "cos", "tan", "tg", "cot", "cotg", "cotan", "sec", "cosec", "sinh", "cosh",
                  "tanh", "coth", "sh", "ch", "th", "arcsin", "arccos", "arctan", "arctg", "argsh",
                  "argch", "argth", "ln", "log", "lg", "exp", "sgn", "det", "ker", "pgcd", "ppcm"}
# Words the lexicon knows only inside a locution that are still said and rhymed
# on their own at a line's end ("d'antan", "à l'envi", "en tapinois"); the other
# such words are Latin or fragments ("a priori", "in extremis", "ad hoc").
LOCUTION_WORDS = {"antan", "emblée", "envi", "catimini", "tapinois", "jeun", "croupetons",
                  "perpète", "perpette", "florès", "traviole", "berzingue"}


@dataclass(frozen=True)
class Entry:
    form: str
    lemma: str
    tags: tuple      # the tag parts, markers removed
    variant: str     # "*" common, "C" classic, "M" modern, "R" reformed, "X", "A" rare
    category: str    # the main category
    kind: str        # base, fem, plural, fem_plural, inf, pp, pp_other, ppr, conj, conj_other
    categories: tuple = ()

    @property
    def is_verb(self):
        return self.category == "VER"

    @property
    def conjugated(self):
        return self.kind in ("conj", "conj_other")


def clean_form(form):
    return form.replace("’", "'")


def _category(p):
    if p.startswith("V"):
        return "VER"
    if p in ("N", "T"):
        return "NOM"
    if p in ("A", "B") or p.startswith("D"):
        return "ADJ"
    if p in ("W", "X", "U"):
        return "ADV"
    if p.startswith("O"):
        return "PRO"
    if p == "R":
        return "PRE"
    if p in ("Cc", "Cs", "C"):
        return "CONJ"
    if p == "J":
        return "INT"
    if p.startswith("Z"):
        return "PREF"
    if p.startswith("É") or p == "L":
        return "LOC"
    return None


def categories_of(parts):
    """The categories a tag gives a form, main one first ("bon" is a noun and an adjective)."""
    head = [p for p in parts if p != "G"]
    if not head:
        return ()
    first = _category(head[0])
    if first is None:
        return ()
    if first == "VER":
        return ("VER",)
    cats = []
    for p in head:
        c = _category(p)
        if c and c != "VER" and c not in cats:
            cats.append(c)
    return tuple(cats)


def kind_of(form, lemma, parts, category):
    s = set(parts)
    if category == "VER":
        if "Y" in s:
            return "inf"
        if "Q" in s:
            return "pp" if ("m" in s and "s" in s) or form == lemma[:-2] + "é" else "pp_other"
        if "P" in s:
            return "ppr"
        if s & MAIN_TENSES:
            return "conj"
        return "conj_other"
    if form == lemma:
        return "base"
    if "p" in s:
        return "fem_plural" if "f" in s else "plural"
    if "f" in s:
        return "fem"
    return "base"


def interrogative(parts):
    """A form that only stands before "-je" ("aimè-je", "puissé-je"); a participle
    tagged so ("aimé") is a word of its own."""
    return "1ś" in parts or ("1ŝ" in parts and "Q" not in parts)


def excluded(form, parts, raw_tag):
    """Why an entry is not a headword, or None."""
    if any(c.isupper() for c in form):
        return "nom propre ou sigle"
    if any(c.isdigit() for c in form):
        return "chiffres"
    if not set(form) <= HEADWORD_CHARS:
        return "caractères hors alphabet"
    if parts and parts[0] in ("M1", "M2", "MP"):
        return "nom propre"
    if ";S" in raw_tag:
        # the entry that is a symbol ("s", "am"), never the word: a unit's name
        # ("ampère", "mètre", marked ;U) is a noun like any other
        return "symbole ou unité"
    if interrogative(parts):
        return "forme interrogative"
    if len(form) < 2 and form not in ("a", "à", "y", "ô", "ô"):
        return "lettre seule"
    if form.endswith("'"):
        return "clitique élidé"
    if not set(form) & VOWELS:
        return "sans voyelle"
    if form in MATH_FUNCTIONS and not ({"A", "V"} & {p[:1] for p in parts}):
        # the function's name, not the adjective of the same spelling ("sec")
        return "fonction mathématique"
    return None


def locution_fragments(tagged):
    """Single words that the lexicon gives only as a piece of a locution (its
    tags begin with É) and not as a word of the common spelling: "priori",
    "extremis", "hoc". Hyphenated ones ("tue-tête", "mi-voix") and those in
    LOCUTION_WORDS stay. tagged: (form, first tag, spelling variant)."""
    piece, word = set(), set()
    for form, first, variant in tagged:
        if first.startswith("É"):
            piece.add(form)
        elif variant == "*":
            word.add(form)
    return {f for f in piece - word if " " not in f and "-" not in f and f not in LOCUTION_WORDS}


def read_entries(lexicon, report):
    """Every usable entry of the lexicon, in the lexicon's own order."""
    entries = []
    tagged = []
    for form, lemma, tag in lexicon.select():
        raw, _, variant = tag.partition("/")
        form = clean_form(form)
        parts = [p for p in _MARK.sub("", raw).split(":") if p]
        tagged.append((form, parts[0] if parts else "", variant))
    fragments = locution_fragments(tagged)
    for form, lemma, tag in lexicon.select():
        raw, _, variant = tag.partition("/")
        form = clean_form(form)
        parts = [p for p in _MARK.sub("", raw).split(":") if p]
        if form in fragments:
            report.leave_out("fragment de locution", form)
            continue
        if variant not in ("*", "C", "M"):
            report.leave_out("variante orthographique", form)
            continue
        why = excluded(form, parts, raw)
        if why:
            report.leave_out(why, form)
            continue
        cats = categories_of(parts)
        if not cats:
            report.leave_out("catégorie inconnue", form)
            continue
        entries.append(Entry(form, clean_form(lemma), tuple(parts), variant, cats[0],
                             kind_of(form, lemma, parts, cats[0]), cats))
    return plurals_of_feminine_lemmas(entries)


def plurals_of_feminine_lemmas(entries):
    """The plural of a lemma that is feminine itself ("tables" of "table") is its
    plural, not the feminine plural of a masculine ("chanteuses" of "chanteur")."""
    feminine = {(e.lemma, e.category) for e in entries
                if e.form == e.lemma and "f" in e.tags and "m" not in e.tags}
    return [dataclasses.replace(e, kind="plural") if e.kind == "fem_plural" and (e.lemma, e.category) in feminine
            else e for e in entries]


def expressions(thesaurus_entries, known):
    """Thesaurus headwords of several words ("à côté", "tout à fait"), as locutions."""
    out = []
    seen = set()
    for head, _ in thesaurus_entries:
        if " " not in head or head in seen or head != head.lower() or not set(head) <= HEADWORD_CHARS:
            continue
        if head.startswith((" ", "-")) or head.endswith((" ", "-", "'")) or "  " in head:
            continue
        last = head.split()[-1]
        if last not in known or last in ("de", "du", "des", "à", "que", "le", "la", "les", "se", "en"):
            continue  # it must end with a French word that can take a rhyme
        seen.add(head)
        out.append(Entry(head, head, (), "*", "LOC", "base", ("LOC",)))
    return out


def spelling_forms(lexicon):
    """Every correct form for the spelling lists (all spelling variants), Latin-1 only."""
    out = set()
    for form, lemma, tag in lexicon.select():
        raw, _, variant = tag.partition("/")
        if variant == "A":
            continue
        form = clean_form(form).replace("œ", "oe").replace("æ", "ae")
        if form.endswith("è") and interrogative([p for p in _MARK.sub("", raw).split(":") if p]):
            # "chevalè" is only ever written "chevalè-je": alone it is a misspelling.
            # The literary "dussé", "puissé" stay: a checker meets them in "dussé-je".
            # Another entry of the same spelling (a real word) still brings it in.
            continue
        if any(c.isupper() or c.isdigit() for c in form):
            continue
        if ";S" in raw or raw.startswith(":M"):
            continue
        if not set(form) <= SPELLING_CHARS or len(form) > 40:
            continue
        out.add(form)
    return out
