"""The word list: which forms it holds, and one line per form and pronunciation."""
from dataclasses import dataclass, field

from . import cipher
from .forms import CATEGORY_ORDER
from .frenchorder import sort_key
from .phonemes import keys
from .searchkey import written_tail

MAX_LINES = 90000
TARGET_LINES = 88000

# How much a form is worth to a verse writer. c is the commonness of its word
# (0 when the thesaurus does not know it); words the thesaurus does not know are
# ranked by length, short words being the common ones.
def person_weight(tags):
    """Verse uses the singular and the third plural most; "nous" and "vous" forms less."""
    persons = {t[:2] for t in tags if t[:1] in "123" and len(t) >= 2}
    return 1.0 if persons - {"1p", "2p"} else 0.6


def family_sizes(lemmas):
    """How many other lemmas each lemma begins ("million": "millionième", "millionnaire"):
    a word that others are made from is a word in use."""
    ordered = sorted(set(lemmas))
    sizes = {}
    for i, lemma in enumerate(ordered):
        n = 0
        j = i + 1
        while j < len(ordered) and ordered[j].startswith(lemma) and n < 5:
            n += 1
            j += 1
        sizes[lemma] = n
    return sizes


def score(kind, c, spoken_apart, form, category="NOM", tags=(), family=0):
    rare = 1400 - 30 * min(len(form), 30) + 20 * family
    if kind == "base" and "B" in tags:
        return 10000  # numbers
    if kind == "base" and category not in ("NOM", "ADJ"):
        return 10000 + c  # grammatical words and adverbs: few, and all worth having
    if kind in ("base", "inf", "pp"):
        return 10000 + c if c else rare
    if kind in ("fem", "plural", "fem_plural", "pp_other"):
        if not spoken_apart:
            return 200 + c
        return 9000 + c if c else rare - 100
    if kind == "ppr":
        return 8000 + c if c else 500
    if kind == "conj":
        return 1000 + 10 * c * person_weight(tags) if c else 100
    return 500 + 5 * c if c else 50


@dataclass
class Line:
    headword: str
    exact: str
    approx: str
    syllables: int
    categories: set = field(default_factory=set)
    conjugated: bool = True
    score: float = 0.0
    phonemes: tuple = ()
    how: str = ""

    def categories_text(self):
        cats = [c for c in CATEGORY_ORDER if c in self.categories]
        return ";".join(cats) if cats else "Ignoré"

    def record(self, key):
        """The stored line as bytes (Windows-1252), headword enciphered."""
        fields = [self.exact, self.approx, written_tail(self.headword),
                  "1" if self.conjugated else "0", str(self.syllables), self.categories_text()]
        return cipher.encipher(self.headword, key) + ("@" + "@".join(fields)).encode("cp1252")


def spoken_key(ph):
    return tuple(ph) if ph else ()


def build_lines(entries, pronouncer, common, report):
    """Lines for every entry, grouped by form and pronunciation."""
    pron = {}
    hows = {}
    said = {}  # how each word is said on its own, for the expressions ending with it
    words = [e for e in entries if " " not in e.form]
    for e in words + [e for e in entries if " " in e.form]:
        if " " in e.form:
            ph, how = pronouncer.expression_phonemes(e, said)
        else:
            ph, how = pronouncer.phonemes(e)
            if ph is not None and not e.conjugated and (e.kind == "base" or e.form not in said):
                said[e.form] = tuple(ph)
        if ph is None:
            report.leave_out("expression au dernier mot inconnu" if how == "unknown last word"
                             else "sans voyelle prononcée", e.form)
            continue
        pron[e] = ph
        hows[e] = how
        report.count_how(how)
    # feminines, plurals and participles count fully only when spoken apart
    sound_of = {}
    pp_form = {}
    for e, ph in pron.items():
        sound_of.setdefault((e.form, e.lemma), keys(ph)[:2])
        if e.kind == "pp":
            pp_form.setdefault(e.lemma, e.form)

    def spoken_apart(e, sound):
        if e.kind in ("plural", "fem_plural"):
            single = e.form[:-1]
            other = (single, e.lemma) if (single, e.lemma) in sound_of else (e.lemma, e.lemma)
        elif e.kind == "pp_other":
            other = (pp_form.get(e.lemma, ""), e.lemma)
        else:
            other = (e.lemma, e.lemma)
        return sound_of.get(other) != sound

    family = family_sizes(e.lemma for e in pron if len(e.lemma) >= 4 and " " not in e.lemma)
    lines = {}
    for e, ph in pron.items():
        exact, approx, syl = pronouncer.keys(e, ph)
        c = max(common.get(e.lemma, 0), common.get(e.form, 0))
        if e.is_verb and c and e.tags and e.tags[0][:2] in ("V0", "V3"):
            c += 20  # irregular verbs are the common ones
        apart = spoken_apart(e, (exact, approx))
        s = score(e.kind, c, apart, e.form, e.category, e.tags, family.get(e.lemma, 0))
        if e.is_verb and e.tags and e.tags[0].startswith("V0"):
            s = 20000  # "est", "as", "es": être and avoir come before any homograph
        k = (e.form, exact, approx, syl)
        line = lines.get(k)
        if line is None:
            line = lines[k] = Line(e.form, exact, approx, syl, phonemes=tuple(ph), how=hows[e])
        line.categories.update(e.categories or (e.category,))
        if not e.conjugated:
            line.conjugated = False
        line.score = max(line.score, s)
    return list(lines.values())


def storable(line, key, report):
    try:
        stored = cipher.encipher(line.headword, key)
    except UnicodeEncodeError:
        report.leave_out("hors Windows-1252", line.headword)
        return False
    fault = cipher.stored_fault(stored)
    if fault:
        report.leave_out("chiffrement impossible avec la clé (" + fault + ")", line.headword)
        return False
    if not line.exact or len(line.exact) > 9:
        report.leave_out("son exact hors limites", line.headword)
        return False
    return True


def choose(lines, key, report, target=TARGET_LINES):
    """The best lines up to the target, in French dictionary order.

    Once a form is in, its other readings come too ("portions", noun and verb),
    so that a search never meets only the rarer reading of a word.
    """
    ranked = sorted(lines, key=lambda l: (-l.score, sort_key(l.headword), l.exact, l.approx))
    readings = {}
    for line in ranked:
        readings.setdefault(line.headword, []).append(line)
    chosen = []
    taken = set()
    for line in ranked:
        if line.headword in taken:
            continue
        if len(chosen) >= target:
            report.leave_out("au-delà de la capacité (moins courant)", line.headword)
            continue
        group = [l for l in readings[line.headword] if storable(l, key, report)]
        taken.add(line.headword)
        chosen.extend(group)
    # homographs: a search takes the first line, so être and avoir first, then
    # the reading that is not a conjugated form ("portions", noun), then the commoner
    chosen.sort(key=lambda l: (sort_key(l.headword), l.score < 20000, l.conjugated, -l.score,
                               l.exact, l.approx))
    return chosen
