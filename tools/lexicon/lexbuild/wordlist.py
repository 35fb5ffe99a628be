"""The word list: which forms it holds, and one line per form and pronunciation."""
from dataclasses import dataclass, field

from . import cipher
from .forms import CATEGORY_ORDER
from .frenchorder import sort_key
from .searchkey import written_tail

import os
import re

WORDLIST_HEADER = os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(
    os.path.abspath(__file__))))), "src", "lexicon", "WordList.h")


def read_capacity(path=WORDLIST_HEADER):
    """The program's store holds WordList::Capacity lines: the one figure the
    build, the program and the tests share."""
    with open(path, encoding="utf-8") as f:
        return int(re.search(r"static constexpr int Capacity\s*=\s*(\d+)\s*;", f.read()).group(1))


MAX_LINES = read_capacity()
# Room kept under the capacity: a headword's readings are never split.
TARGET_LINES = MAX_LINES - 2000


def family_sizes(lemmas):
    """How many other lemmas each lemma begins ("million": "millionième", "millionnaire"),
    at most five: a word that others are made from is a word in use."""
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


def first_reading(entry):
    """être and avoir come before any homograph ("est", "as")."""
    return entry.is_verb and bool(entry.tags) and entry.tags[0].startswith("V0")


@dataclass
class Line:
    headword: str
    exact: str
    approx: str
    syllables: int
    categories: set = field(default_factory=set)
    conjugated: bool = True
    score: float = 0.0       # commonness figure of the form in this reading
    phonemes: tuple = ()
    how: str = ""
    first: bool = False      # a form of être or avoir
    own_lemma: bool = False  # the reading that names its own lemma ("fils" the son)

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


def build_lines(entries, pronouncer, figures, report):
    """Lines for every entry: one per form, pronunciation and reading, the
    conjugated reading of a form apart from its other readings ("cours" the
    noun and "cours" of courir), so that the conjugation filter can tell them
    apart. figures: the commonness figure of each entry."""
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
    lines = {}
    for e, ph in pron.items():
        exact, approx, syl = pronouncer.keys(e, ph)
        k = (e.form, exact, approx, syl, e.conjugated)
        line = lines.get(k)
        if line is None:
            line = lines[k] = Line(e.form, exact, approx, syl, conjugated=e.conjugated,
                                   phonemes=tuple(ph), how=hows[e])
        line.categories.update(e.categories or (e.category,))
        line.score = max(line.score, figures[e])
        line.first = line.first or first_reading(e)
        line.own_lemma = line.own_lemma or e.form == e.lemma
    return list(lines.values())


# Share of its figure an English loan in "-er" said "-eur" keeps: "quaker",
# "bunker", "speaker" rhyme with "cœur", yet come after the words a poet looks
# for there ("vainqueur", "chœur", "rancœur"). A loan that no quotation uses
# keeps the least; one that literature quotes ("quaker" in the letters on
# England) keeps more, as a word of its time rather than of verse. A loan that
# shares its spelling with a French reading ("ranger", the verb) has only that
# reading's quotations and thesaurus lists: it counts as unquoted.
ENGLISH_LOAN_SHARE = 0.4
QUOTED_LOAN_SHARE = 0.75


def english_er_loan(line, french_verbs=frozenset()):
    """A loan said "-eur" ("bunker"), or a noun said "-èr" spelt as a French
    verb's infinitive ("supporter", "poster", "corner"): that noun has the
    verb's thesaurus lists, and a noun's full share of them would put it
    before the verb, the reading a search takes."""
    if line.conjugated or not line.headword.endswith(("er", "ers")):
        return False
    end = tuple(line.phonemes[-2:])
    return end == ("œ", "ʁ") or (end == ("ɛ", "ʁ") and line.categories == {"NOM"}
                                 and line.headword in french_verbs)


def lower_english_loans(lines, quoted):
    """quoted(form): whether the quotations use the form itself. Returns how
    many loans were lowered, unquoted and quoted."""
    verbs = {l.headword for l in lines if "VER" in l.categories and l.phonemes[-1:] == ("e",)}
    french = {l.headword for l in lines if not english_er_loan(l, verbs)}
    unquoted = quoted_loans = 0
    for line in lines:
        if not english_er_loan(line, verbs):
            continue
        if quoted(line.headword) and line.headword not in french:
            line.score = round(line.score * QUOTED_LOAN_SHARE, 2)
            quoted_loans += 1
        else:
            line.score = round(line.score * ENGLISH_LOAN_SHARE, 2)
            unquoted += 1
    return unquoted, quoted_loans


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


def reading_order(line):
    """The order of a headword's lines: être and avoir, then the readings that are
    not conjugated forms ("portions" the noun, "cours" the noun), then the commoner,
    and between readings of equal weight the one that is a lemma of its own
    ("fils" the son before the plural of "fil")."""
    return (not line.first, line.conjugated, -line.score, not line.own_lemma,
            line.exact, line.approx, line.syllables)


def noun_plurals(entries):
    """{plural form of a noun: its singular forms} ("kiwis": "kiwi", "chanteuses":
    "chanteuse"), the singular of the same lemma and gender, or the epicene one."""
    singular = {}
    for e in entries:
        if e.category == "NOM" and not e.conjugated and {"s", "i"} & set(e.tags):
            gender = next((t for t in e.tags if t in ("m", "f", "e")), "e")
            singular.setdefault((e.lemma, gender), set()).add(e.form)
    out = {}
    for e in entries:
        if e.category != "NOM" or e.conjugated or "p" not in e.tags:
            continue
        gender = next((t for t in e.tags if t in ("m", "f", "e")), "e")
        found = singular.get((e.lemma, gender)) or singular.get((e.lemma, "e")) or set()
        found = found - {e.form}
        if found:
            out.setdefault(e.form, set()).update(found)
    return out


def choose(lines, key, report, target=TARGET_LINES, plurals=None):
    """The commonest headwords up to the target, with all their readings, in
    decreasing commonness; of equal figures the shorter word first, then French
    dictionary order: where the cut falls inside a band of words with one sign
    alone (today's dictionary), the short everyday words come in ("kiwi") and
    the long learned ones go, not the end of the alphabet. A headword's lines
    stay together, its first reading first: a search takes the sound of the
    first line whose written tail fits, so a typed word is heard in its
    commonest (or être/avoir) reading, and a result list shows each headword
    at the place of its best reading. A noun brings its plural in with it
    ("kiwi", "kiwis"): a plural is wanted about as much as its singular, yet
    its share of the lemma's figure would put it past the cut of a singular
    near the cut. It still stands at the place of its own figure.
    plurals: {plural form: singular forms}, as noun_plurals gives."""
    readings = {}
    for line in lines:
        readings.setdefault(line.headword, []).append(line)
    ranked = sorted(readings, key=lambda h: (-max(l.score for l in readings[h]), len(h), sort_key(h)))
    plurals_of = {}
    for plural, singulars in (plurals or {}).items():
        for singular in singulars:
            plurals_of.setdefault(singular, []).append(plural)
    groups = {}
    total = 0
    last = 0  # rank of the last headword taken in its own turn
    for rank, headword in enumerate(ranked):
        if headword in groups:
            continue
        if total >= target:
            report.leave_out("au-delà de la capacité (moins courant)", headword)
            continue
        last = rank
        for h in [headword] + sorted(p for p in plurals_of.get(headword, ()) if p in readings and p not in groups):
            groups[h] = sorted((l for l in readings[h] if storable(l, key, report)), key=reading_order)
            total += len(groups[h])
    late = [h for h in ranked[last + 1:] if h in groups]
    report.add("Pluriels de noms venus avec leur singulier", [
        "au-delà du dernier mot pris à son rang : %d pluriels, %d lignes (%s)"
        % (len(late), sum(len(groups[h]) for h in late), ", ".join(late[:12]))])
    return [l for h in ranked if h in groups for l in groups[h]]
