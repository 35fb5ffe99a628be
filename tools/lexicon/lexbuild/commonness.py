"""One commonness figure per lemma and per form.

A lemma's figure is an expected number of uses in the dictionary's quotations
(about three million words of literature): the uses of all its forms, plus
pseudo-uses for the other signs that a word lives (how many synonym lists of
the thesaurus hold it, how many words are made from it). A form gets the larger
of its own count in the quotations and the share of its lemma's figure that a
form of its kind usually takes: a plural or a feminine is wanted about as much
as its lemma, a third person of the present far more than a "nous" of the
simple past. The figures are kept on a log scale, rounded so that forms of the
same weight tie and fall into French dictionary order.
"""
import collections
import math

from .littre import form_count, normal

THESAURUS_WEIGHT = 3   # pseudo-uses per synonym list holding the word
# ... and for a word the dictionary knows as a headword yet its quotations never
# use: the thesaurus lists such words ("giaour") among the synonyms of common ones.
UNUSED_THESAURUS_WEIGHT = 2
FAMILY_WEIGHT = 4      # pseudo-uses per word made from it ("million": "millionnaire")
# ... for a word of today's general dictionary (hunspell's stems,
# lexbuild/modern.py): as much as two quotations, so that "internet" and "kiwi"
# come before the rare persons of verbs literature uses, and after its words.
MODERN_WEIGHT = 2

# Share of its lemma's uses a form of each kind is credited with.
KIND_SHARE = {"base": 1.0, "plural": 0.6, "fem": 0.5, "fem_plural": 0.35,
              "inf": 0.4, "pp": 0.4, "pp_other": 0.25, "ppr": 0.08}

# Verb forms by tense, then person: the present and imperfect of the third
# person are what verse uses most; "nous" and "vous" of the simple past and
# the imperfect subjunctive outside the third person hardly ever.
TENSE_SHARE = {"Ip": 0.12, "Iq": 0.07, "Is": 0.05, "If": 0.03, "K": 0.03,
               "Sp": 0.03, "Sq": 0.01, "E": 0.03}
PERSON_SHARE = {"3s": 1.0, "3p": 0.6, "1s": 0.5, "2s": 0.25, "1p": 0.2, "2p": 0.2}
RARE_PERSONS = {"Is": {"1p": 0.01, "2p": 0.01, "2s": 0.05},
                "Sq": {"1s": 0.1, "2s": 0.05, "1p": 0.01, "2p": 0.01, "3p": 0.3}}


# Every person of these tenses is wanted of a common verb (the third persons
# of the simple past too): a poet looks for "songerons" as well as "songeait".
COMMON_TENSES = {"Ip", "Iq", "If", "K", "Sp"}
COMMON_TENSE_FLOOR = 0.05


def common_tense(tags):
    s = set(tags)
    return bool(s & COMMON_TENSES) or ("Is" in s and bool(s & {"3s", "3p"}))


def verb_share(tags):
    """The share of a conjugated form, from its best tense and person."""
    best = COMMON_TENSE_FLOOR if common_tense(tags) else 0.0
    tenses = [t for t in tags if t in TENSE_SHARE]
    persons = [t for t in tags if t in PERSON_SHARE]
    for tense in tenses:
        for person in persons or ["3s"]:
            rare = RARE_PERSONS.get(tense, {})
            share = TENSE_SHARE[tense] * rare.get(person, PERSON_SHARE[person])
            best = max(best, share)
    return best or 0.005


def form_share(entry):
    if entry.conjugated:
        return verb_share(entry.tags)
    return KIND_SHARE.get(entry.kind, 1.0)


def lemma_uses(entries, counts, thesaurus_common=None, reading=lambda e: e.lemma,
               name=lambda key: key):
    """Uses of each lemma in the quotations. A form shared by several lemmas
    ("est": être and the noun; "cours": courir and the noun) is shared out in
    proportion to what the lemmas' own forms show, and the thesaurus where
    every form is shared ("acte", "actes": the noun, not acter). The lemma the
    form itself names counts the form as its own: "fils" is the son more often
    than threads, "cours" a course more often than a form of courir.
    reading: the key of an entry's lemma; name: the lemma of a key."""
    thesaurus_common = thesaurus_common or {}
    lemmas_of = collections.defaultdict(set)
    for e in entries:
        lemmas_of[e.form].add(reading(e))
    own = collections.Counter()
    for form, lemmas in lemmas_of.items():
        if len(lemmas) == 1:
            own[next(iter(lemmas))] += form_count(counts, form)
    uses = collections.Counter(own)
    for form, lemmas in lemmas_of.items():
        if len(lemmas) > 1:
            n = form_count(counts, form)
            if not n:
                continue
            # sorted: the sums must not depend on the order of a set, or two
            # builds could round a figure apart
            weights = {l: own[l] + THESAURUS_WEIGHT * thesaurus_common.get(name(l), 0) + 1
                       + (n if name(l) == form else 0) for l in sorted(lemmas)}
            total = sum(weights.values())
            for l, w in weights.items():
                uses[l] += n * w / total
    return uses


class Commonness:
    """Figures for lemmas and forms, from quotation counts, the thesaurus and families."""

    def __init__(self, entries, counts, thesaurus_common, family, known=frozenset(),
                 modern=frozenset()):
        self.counts = counts
        self.modern = modern  # lemmas of today's general dictionary
        self.known = known  # headwords of the dictionary
        self.thesaurus = thesaurus_common
        self.family = family
        self.uses = lemma_uses(entries, counts, thesaurus_common)
        # the verb and the noun of one spelling ("être", "avoir", "devoir") apart,
        # so that "êtres" does not weigh as much as the verb
        self.reading_uses = lemma_uses(entries, counts, thesaurus_common,
                                       lambda e: (e.lemma, e.is_verb), lambda key: key[0])

    def lemma_expected(self, lemma, verb=None):
        """Expected uses of a lemma; of its verb or its other reading when verb is given."""
        uses = self.uses.get(lemma, 0) if verb is None else self.reading_uses.get((lemma, verb), 0)
        weight = UNUSED_THESAURUS_WEIGHT if not uses and normal(lemma) in self.known else THESAURUS_WEIGHT
        today = MODERN_WEIGHT if lemma in self.modern else 0
        return (uses + weight * self.thesaurus.get(lemma, 0) + FAMILY_WEIGHT * self.family.get(lemma, 0)
                + today)

    def attested(self, lemma, form=None):
        """Whether literature, the thesaurus or other words made from it show the
        word in use ("tennis": "tennisman"): jargon none of them shows ("ksour",
        "bêtatron") is left out however short it is."""
        return (self.uses.get(lemma, 0) > 0 or self.thesaurus.get(lemma, 0) > 0
                or self.family.get(lemma, 0) > 0 or lemma in self.modern
                or (form is not None and (form_count(self.counts, form) > 0
                                          or self.thesaurus.get(form, 0) > 0)))

    def lemma_figure(self, lemma):
        return figure(self.lemma_expected(lemma))

    def form_expected(self, entry):
        own = form_count(self.counts, entry.form)
        if entry.form != entry.lemma:
            # a form the thesaurus lists itself ("ténèbres", "pleurs") is a word of its own
            own = max(own, THESAURUS_WEIGHT * self.thesaurus.get(entry.form, 0))
        return max(own, self.lemma_expected(entry.lemma, entry.is_verb) * form_share(entry))

    def form_figure(self, entry):
        return figure(self.form_expected(entry))


def figure(expected):
    """Expected uses on a log scale, two decimals: 0 for none, about 12 for the
    commonest words."""
    return round(math.log2(1 + expected), 2)
