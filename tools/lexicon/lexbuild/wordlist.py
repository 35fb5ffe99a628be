"""The word list: which forms it holds, and one line per form and pronunciation."""
from dataclasses import dataclass, field

from . import cipher
from .forms import CATEGORY_ORDER
from .frenchorder import sort_key
from .phonemes import keys
from .searchkey import written_tail

MAX_LINES = 90000
TARGET_LINES = 88000

# How much a kind of form is worth to a verse writer, for a word of commonness c
# (c = 0 when the thesaurus does not know the word).
def score(kind, c, spoken_apart):
    if kind in ("base", "inf", "pp"):
        return 1000 + c if c else 300
    if kind in ("fem", "plural", "fem_plural", "pp_other"):
        if not spoken_apart:
            return 50 + c / 10
        return 900 + c if c else 250
    if kind == "ppr":
        return 400 + c if c else 100
    if kind == "conj":
        return 200 + 2 * c if c else 20
    return 100 + c if c else 10


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
    for e in entries:
        ph, how = pronouncer.phonemes(e)
        if ph is None:
            report.leave_out("sans prononciation", e.form)
            continue
        pron[e] = ph
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

    lines = {}
    for e, ph in pron.items():
        exact, approx, syl = keys(ph)
        c = max(common.get(e.lemma, 0), common.get(e.form, 0))
        apart = spoken_apart(e, (exact, approx))
        s = score(e.kind, c, apart)
        k = (e.form, exact, approx, syl)
        line = lines.get(k)
        if line is None:
            line = lines[k] = Line(e.form, exact, approx, syl, phonemes=tuple(ph))
        line.categories.add(e.category)
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
    """The best lines up to the target, in French dictionary order."""
    ranked = sorted(lines, key=lambda l: (-l.score, sort_key(l.headword), l.exact, l.approx))
    chosen = []
    for line in ranked:
        if len(chosen) >= target:
            report.leave_out("au-delà de la capacité (moins courant)", line.headword)
            continue
        if storable(line, key, report):
            chosen.append(line)
    # homographs: the reading that is not a conjugated form first, then the commoner
    chosen.sort(key=lambda l: (sort_key(l.headword), l.conjugated, -l.score, l.exact, l.approx))
    return chosen
