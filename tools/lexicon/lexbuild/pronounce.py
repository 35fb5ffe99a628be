"""Pronunciations of lexicon entries: the voice's reading, mended where it errs."""
import re

from . import mends
from .phonemes import is_vowel, keys, split_ipa
from .verse import VerseCount, dieresis_glide

LIQUIDS = {"l", "ʁ"}
OBSTRUENTS = {"p", "b", "t", "d", "k", "ɡ", "f", "v"}


def fixed_ipa(form, lemma, categories, plural=False):
    """The hand-given reading of a form; a plural noun given only in the singular
    ("leaders", "speakers") is said as its singular."""
    keys = [form + ":" + c for c in categories] + [form + "/" + lemma, form]
    if plural and form.endswith("s"):
        single = form[:-1]
        keys += [single + ":" + c for c in categories] + [single + "/" + lemma, single]
    for key in keys:
        if key in mends.FIXED:
            return mends.FIXED[key]
    return None


def entry_fixed_ipa(entry):
    plural = not entry.is_verb and "p" in entry.tags
    return fixed_ipa(entry.form, entry.lemma, entry.categories or (entry.category,), plural)


def spoken_spelling(entry):
    """The spelling to give the voice: a silent verb ending is left out, since the
    voice cannot tell "ils convient" (convier) from "il convient" (convenir)."""
    form = entry.form
    if entry.is_verb and any(p.startswith("3p") for p in entry.tags) and form.endswith("ent"):
        if form.endswith("aient"):
            return form[:-5] + "ait"
        return form[:-2]
    return form


def expression_parts(form):
    """(the words before the last, the last word) of an expression, or None for a word."""
    if " " not in form:
        return None
    head, _, last = form.rpartition(" ")
    return head, last


def english_reading(ipa):
    return "(en)" in ipa or "(" in ipa


def respelled(spelling):
    """A spelling that keeps the French reading of a word the voice takes for English."""
    return spelling.replace("th", "t")


VOWEL_LETTERS = set("aeiouyéèêëàâäîïôöûùü")
FRENCH_ACCENTS = set("éèêëàâîïôûùç")
FRENCH_ENDINGS = ("ions", "ez", "ent", "ait", "aient", "ée", "ées", "és", "ade", "ades", "ide", "ides",
                  "ique", "iques", "isme", "iste", "age", "ages", "ette", "eur", "euse", "eux", "oir",
                  "oire", "ure", "ine", "ienne", "ien", "ois", "oise", "if", "ive", "ante", "ement")
ENGLISH_MARKS = ("w", "oo", "ee", "ea", "sh", "ck", "k", "ing", "y")


def looks_french(form, is_verb):
    """A word the voice took for English although French spells it its own way."""
    if set(form) & FRENCH_ACCENTS:
        return True
    if any(m in form for m in ENGLISH_MARKS):
        return False
    return is_verb or form.endswith(FRENCH_ENDINGS)


def split_spellings(form):
    """The word cut before a syllable (vowel, then consonant and vowel), left to right:
    read in two pieces, the voice reads each in French."""
    out = []
    for i in range(2, len(form) - 2):
        if (form[i - 1] in VOWEL_LETTERS and form[i] not in VOWEL_LETTERS and form[i] not in "sx-'"
                and form[i + 1] in VOWEL_LETTERS):
            out.append(form[:i] + "-" + form[i:])
    return out


def mend_nasal_palatal(form, ph):
    """The voice says "gn" as n + j (signe, oignon): one palatal nasal."""
    count = form.count("gn")
    out = []
    i = 0
    while i < len(ph):
        if count and ph[i] == "n" and i + 1 < len(ph) and ph[i + 1] == "j":
            out.append("ɲ")
            count -= 1
            i += 2
            continue
        out.append(ph[i])
        i += 1
    return out


def mend_glides(ph, form=""):
    """Hiatus and semi-vowels as French says them: "prière" pri-yère, "rien" and
    "nuit" one syllable; after a consonant and l or r the vowel stays ("cruel",
    "trouer", "éblouir"); "ou" before a consonant is the vowel ("jouera": the
    voice says a glide and loses a syllable); so is the i before a w ("kiwi",
    which the voice says in one syllable)."""
    out = []
    ou_vowel = re.search("ou[aeiouyéèêâîï]", form) is not None
    iw_vowel = re.search("[iy]w[aeiouyéèêâîï]", form) is not None
    for i, p in enumerate(ph):
        nxt = ph[i + 1] if i + 1 < len(ph) else None
        after_cluster = i >= 2 and ph[i - 1] in LIQUIDS and ph[i - 2] in OBSTRUENTS
        if p == "i" and nxt is not None and is_vowel(nxt):
            out.extend(["i", "j"] if after_cluster else ["j"])
            continue
        if p == "y" and nxt is not None and is_vowel(nxt):
            if not after_cluster or nxt == "i":
                out.append("ɥ")
                continue
        if p == "j" and nxt == "w" and i + 2 < len(ph) and is_vowel(ph[i + 2]) and iw_vowel:
            out.append("i")  # "kiwi", "biwa": the i is a vowel before the w, ki-wi
            continue
        if p == "w" and nxt is not None and is_vowel(nxt) and after_cluster and ou_vowel:
            out.extend(["u", "w"])
            continue
        if p == "w" and nxt == "j" and i + 2 < len(ph) and is_vowel(ph[i + 2]) and i > 0 \
                and not is_vowel(ph[i - 1]) and "ou" in form:
            out.append("u")  # "jouiez", "secouions": jou-iez, two glides never follow each other
            continue
        if p == "w" and nxt is not None and not is_vowel(nxt) and nxt not in ("j", "w", "ɥ") \
                and i > 0 and not is_vowel(ph[i - 1]):
            out.append("u")
            continue
        out.append(p)
    return out


def mend_final_glide(form, ph):
    """A glide cannot end a word after a consonant or another glide: the voice says
    "secoues" as k + w and "fenouil" as n + w + j, where French says "ou"
    ("secoue", "fenouille"); "inouï", "inouïe" end on the vowel "i"."""
    if len(ph) >= 2 and ph[-1] == "j" and ph[-2] == "w":
        return ph[:-2] + (["w", "i"] if form.endswith(("ï", "ïe", "ïs", "ïes")) else ["u", "j"])
    if len(ph) >= 2 and ph[-1] in ("w", "ɥ") and not is_vowel(ph[-2]):
        return ph[:-1] + [{"w": "u", "ɥ": "y"}[ph[-1]]]
    return ph


def mend_aing(form, ph):
    """"parpaing", "contreseing" end in the nasal "in", with no g and no English "-ing"."""
    if form.endswith(("aing", "aings", "eing", "eings")) and len(ph) >= 2 and ph[-1] in ("ŋ", "ɡ") \
            and is_vowel(ph[-2]):
        return ph[:-2] + ["ɛ̃"]
    return ph


def mend_verb_stems(entry, ph):
    """Stems the voice misreads in conjugated forms: "il blagua" keeps the g of
    "blaguer" (the voice says gwa, as in "jaguar"), and "il craignit" its i
    (the voice stops at the palatal: "craign")."""
    if not entry.is_verb:
        return ph
    form = entry.form
    if entry.lemma.endswith("guer") and entry.lemma != "arguer" and ("gua" in form or "guâ" in form):
        ph = [p for i, p in enumerate(ph) if not (p == "w" and i > 0 and ph[i - 1] == "ɡ")]
        if form.endswith("guant") and ph[-2:] == ["a", "n"]:
            ph = ph[:-2] + ["ɑ̃"]  # "draguant": the voice reads "-guant" as in "guano"
    if ("gni" in form or "gnî" in form) and "ɲ" in ph:
        i = len(ph) - 1 - ph[::-1].index("ɲ")
        nxt = ph[i + 1] if i + 1 < len(ph) else None
        if nxt is None or (not is_vowel(nxt) and nxt != "j"):
            ph = ph[:i + 1] + ["i"] + ph[i + 1:]
    return ph


def mend_geminates(ph, keep=()):
    out = []
    for p in ph:
        if out and p == out[-1] and not is_vowel(p) and p not in keep:
            continue
        out.append(p)
    return out


FUTURE_TENSES = {"If", "K"}
DOUBLE_R_VERBS = ("courir", "mourir", "quérir")


def double_r_future(entry):
    """"il courrait" says two r where "il courait" says one."""
    return (entry.is_verb and entry.lemma.endswith(DOUBLE_R_VERBS) and "rr" in entry.form
            and bool(FUTURE_TENSES & set(entry.tags)))


def mend_future(entry, ph):
    """Futures and conditionals the voice says as imperfects: "il jurerait" keeps
    the e between its two r ("il jurait" has one), "il courrait" its double r."""
    if not entry.is_verb or not FUTURE_TENSES & set(entry.tags):
        return ph
    if entry.lemma.endswith("rer") and "rer" in entry.form:
        for i in range(1, len(ph) - 1):
            if ph[i] == "ʁ" and ph[i + 1] == "ʁ":
                return ph[:i + 1] + ["ə"] + ph[i + 1:]
            if ph[i] == "ʁ" and ph[i + 1] == "ə" and i + 2 < len(ph) and ph[i + 2] == "ʁ":
                return ph
        return ph
    if double_r_future(entry):
        for i in range(len(ph) - 1, 0, -1):  # the r of the ending, not that of "parcourir"
            if ph[i] == "ʁ" and is_vowel(ph[i - 1]):
                if i + 1 < len(ph) and ph[i + 1] == "ʁ":
                    return ph
                return ph[:i] + ["ʁ"] + ph[i:]
    return ph


def mend_arguer(entry, ph):
    """"arguer" says its u: ar-gu-er, il ar-gu-ait, j'ar-gue (the voice: "argue" as "orgue")."""
    if not entry.lemma.endswith("arguer") or "ɡ" not in ph:
        return ph
    i = len(ph) - 1 - ph[::-1].index("ɡ")
    nxt = ph[i + 1] if i + 1 < len(ph) else None
    if nxt in ("y", "ɥ", "w"):
        return ph
    if nxt is not None and is_vowel(nxt) and nxt != "ə":
        return ph[:i + 1] + ["ɥ"] + ph[i + 1:]
    return ph[:i + 1] + ["y"] + ph[i + 1 + (nxt == "ə"):]


def mend_infinitive(entry, ph):
    """An infinitive in -er ends in "é": the voice reads some as English ("bronzer"
    bronzeur, "zoner" zonr)."""
    if entry.kind != "inf" or not entry.form.endswith("er") or not ph or ph[-1] == "e":
        return ph
    while ph and ph[-1] in ("ʁ", "ə", "œ", "ɛ"):
        ph = ph[:-1]
    return ph + ["e"]


def mend_english_ending(form, ph, is_verb=False):
    """Loanwords read as English lose their final r: "leader" is said lideur; a
    French verb made of one ("relooker") still ends its infinitive in "é"."""
    base = form[:-1] if form.endswith("s") else form
    if is_verb and form.endswith("ant") and len(ph) >= 3 and ph[-2:] == ["n", "t"] \
            and ph[-3] in ("ə", "œ", "a"):
        return ph[:-3] + ["ɑ̃"]  # "boostant", "tweetant": a French present participle
    if is_verb and form.endswith("er") and len(ph) >= 2 and ph[-1] == "ʁ" and ph[-2] in ("ə", "œ"):
        return ph[:-2] + ["e"]
    if is_verb and form.endswith("er") and ph and ph[-1] in ("ə", "œ"):
        return ph[:-1] + ["e"]
    if ph and ph[-1] in ("ə", "œ"):
        if base.endswith("er"):
            return ph[:-1] + ["œ", "ʁ"]
        if base.endswith("or"):
            return ph[:-1] + ["ɔ", "ʁ"]
    return ph


VERB_PREFIXES = {"pour", "sur", "contre", "entre", "re", "ré", "dé", "mé", "pré", "sous", "mal",
                 "bien", "inter", "en", "em", "co", "par", "trans"}
FRENCH_ER = ("ier", "ïer", "yer", "ger", "cher", "ller", "aïer")
ENGLISH_ER = ("k", "w", "oo", "ee", "ea", "ai", "oi", "mm", "pp", "tt", "gg", "cc", "igner")


def mend_foreign_er(form, ph, verb_forms):
    """"-er" read "é" is French only in "-ier", "-ger", "-cher"... and in infinitives;
    other nouns in "-er" are borrowed and say "-ère" ("geyser", "pater") or, from
    English, "-eur" ("drummer", "spoiler")."""
    base = form[:-1] if form.endswith("ers") else form
    last = base.rpartition("-")[2]
    if not base.endswith("er") or base.endswith(FRENCH_ER) or last in verb_forms:
        return ph
    if any(base[i:] in verb_forms and base[:i].rstrip("-") in VERB_PREFIXES
           for i in range(1, len(base) - 3)):
        return ph  # a prefix and an infinitive: "pourparler"; not "b-lister", "f-rater"
    if not ph or ph[-1] != "e":
        return ph
    vowel = "œ" if any(m in base for m in ENGLISH_ER) else "ɛ"
    return ph[:-1] + [vowel, "ʁ"]


def mend_final_s(form, ph, known=()):
    """The final s of learned and borrowed words is said: "cosmos", "synopsis";
    not that of a plural ("taxis"), nor of "sursis", "châssis"."""
    listed = form in mends.SOUNDED_S
    if not listed:
        if not form.endswith(mends.SOUNDED_S_ENDINGS) or form.endswith(("ssis", "rsis")):
            return ph
        if form[:-1] in known:
            return ph
    if ph and is_vowel(ph[-1]):
        return ph + ["s"]
    return ph


def mend_ent_noun(form, ph):
    """A noun or adjective in "-ent" says "-an": the voice, taking an unknown word
    for a verb, drops it ("confident", "onguent", "chiendent")."""
    if form.endswith(("iente", "ientes")) and len(ph) >= 2 and ph[-2:] == ["ɛ̃", "t"]:
        return ph[:-2] + ["ɑ̃", "t"]  # "fiente", "expédiente": the voice says "vient"
    if not form.endswith(("ent", "ents")) or not ph or ph[-1] == "ɑ̃":
        return ph
    if form.endswith(("ient", "ients")) and ph[-1] == "ɛ̃":
        return ph  # "va-et-vient", "prix de revient": the verb said as a noun
    if ph[-1] == "ə":
        ph = ph[:-1]
    return mend_glides(ph + ["ɑ̃"])  # "émollient": i before the vowel is a glide


def mend_tions(entry, ph):
    """"nous portions" says t where the noun "les portions" says s."""
    if not entry.is_verb or entry.lemma.endswith("tier"):
        return ph
    if not (entry.form.endswith("tions") or entry.form.endswith("tiez")):
        return ph
    if not any(p in ("1p", "2p") for p in entry.tags):
        return ph
    for i in range(len(ph) - 2, 0, -1):
        if ph[i] == "s" and ph[i + 1] == "j":
            return ph[:i] + ["t"] + ph[i + 1:]
    return ph


def kin_spellings(spelling, is_verb, known):
    """Forms whose French reading gives that of a form the voice took for English:
    the singular of a plural ("bruns": "brun", "coaches": "coach"), and for "nous
    bouleversons" the "vous" form ("bouleversez"), whose ending the voice always
    reads in French. A word in -ss ("fitness", "process") is no plural."""
    out = []
    if is_verb and spelling.endswith("ons") and len(spelling) > 4:
        out.append(spelling[:-3] + "ez")
    if spelling.endswith("s") and not spelling.endswith("ss") and len(spelling) > 3:
        if spelling.endswith("es") and spelling[:-2] in known:
            out.append(spelling[:-2])
        if spelling[:-1] in known:
            out.append(spelling[:-1])
    return out


def from_kin(spelling, kin, ph):
    """The reading of a form made from a kin form's (see kin_spellings)."""
    if spelling.endswith("ons") and kin.endswith("ez"):
        return ph[:-1] + ["ɔ̃"] if ph and ph[-1] == "e" else None
    return ph


def drop_english_plural(form, ph):
    """A French plural s is silent, where the English reading says z ("bookmakers",
    "coaches")."""
    if form.endswith("es") and len(ph) >= 3 and ph[-2:] == ["i", "z"] and ph[-3] in ("ʃ", "ʒ", "s", "z"):
        return ph[:-2]
    if form.endswith("s") and len(ph) >= 2 and ph[-1] == "z" and ph[-2] != "z":
        return ph[:-1]
    return ph


class Pronouncer:
    def __init__(self, voice, verse=None):
        self.voice = voice
        self.verse = verse or VerseCount()
        self.english = set()   # spellings still read as English after respelling
        self.french_looking = set()
        self.verb_forms = set()
        self.known = set()

    def prepare(self, entries):
        spellings = set()
        for e in entries:
            parts = expression_parts(e.form)
            if parts:
                spellings.add(parts[0])
            elif entry_fixed_ipa(e) is None:
                spellings.add(spoken_spelling(e))
        verbs = {spoken_spelling(e) for e in entries if e.is_verb}
        self.verb_forms = {e.form for e in entries if e.is_verb}
        self.verse.dieresis_forms = {e.form: dieresis_glide(e.lemma) for e in entries
                                     if e.is_verb and dieresis_glide(e.lemma)}
        self.known = {e.form for e in entries}
        first = self.voice.ipa_many(sorted(spellings))
        again = sorted({respelled(s) for s, ipa in first.items() if english_reading(ipa)} - set(first))
        second = self.voice.ipa_many(again)
        pieces = set()
        for s, ipa in first.items():
            if english_reading(ipa) and english_reading(second.get(respelled(s), ipa)) \
                    and looks_french(s, s in verbs):
                pieces.update(split_spellings(respelled(s)))
        self.voice.ipa_many(sorted(pieces))
        kin = set()
        for s, ipa in first.items():
            if english_reading(ipa) and english_reading(second.get(respelled(s), ipa)):
                kin.update(kin_spellings(s, s in verbs, self.known))
        self.voice.ipa_many(sorted(kin))
        self.french_looking = {s for s in first if looks_french(s, s in verbs)}

    def raw_ipa(self, spelling):
        ipa = self.voice.cache[spelling]
        if not english_reading(ipa):
            return ipa, False
        other = respelled(spelling)
        if other != spelling and not english_reading(self.voice.cache.get(other, "(")):
            return self.voice.cache[other], False
        if spelling in self.french_looking:
            for piece in split_spellings(other):
                split = self.voice.cache.get(piece, "(")
                if not english_reading(split):
                    return split, False
        return ipa, True

    def french_reading(self, spelling):
        """The phonemes of a spelling as mended or read in French, or None."""
        fixed = mends.FIXED.get(spelling)
        if fixed is not None:
            return split_ipa(fixed)
        if spelling not in self.voice.cache:
            return None
        ipa, english = self.raw_ipa(spelling)
        return None if english else split_ipa(ipa)

    def expression_phonemes(self, entry, said):
        """An expression ends as its last word is said on its own ("à contresens")."""
        head, last = expression_parts(entry.form)
        if last not in said:
            return None, "unknown last word"
        ipa, _ = self.raw_ipa(head)
        ph = mend_glides(mend_geminates(mend_nasal_palatal(head, split_ipa(ipa))), head)
        return ph + list(said[last]), "expression"

    def keys(self, entry, ph):
        """(exact sound, approximate sound, verse syllables) of an entry said ph."""
        exact, approx, syllables = keys(ph, entry.form)
        return exact, approx, self.verse.count(entry, ph, syllables)

    def phonemes(self, entry):
        fixed = entry_fixed_ipa(entry)
        if fixed is not None:
            return split_ipa(fixed), "mend"
        spelling = spoken_spelling(entry)
        ipa, english = self.raw_ipa(spelling)
        ph = split_ipa(ipa)
        how = "voice"
        if english:
            for kin in kin_spellings(spelling, entry.is_verb, self.known):
                kin_ph = self.french_reading(kin)
                if kin_ph is not None:
                    kin_ph = from_kin(spelling, kin, kin_ph)
                if kin_ph is not None:
                    ph, english = kin_ph, False
                    break
        if english:
            ph = drop_english_plural(entry.form, ph)
            self.english.add(entry.form)
            ph = mend_english_ending(entry.form, ph, entry.is_verb)
            how = "english"
        ph = mend_nasal_palatal(spelling, ph)
        ph = mend_future(entry, ph)
        ph = mend_geminates(ph, ("ʁ",) if double_r_future(entry) else ())
        ph = mend_glides(ph, entry.form)
        ph = mend_arguer(entry, ph)
        ph = mend_infinitive(entry, ph)
        ph = mend_final_glide(entry.form, ph)
        ph = mend_aing(entry.form, ph)
        ph = mend_verb_stems(entry, ph)
        ph = mend_tions(entry, ph)
        if not entry.is_verb:
            ph = mend_foreign_er(entry.form, ph, self.verb_forms)
            ph = mend_final_s(entry.form, ph, self.known)
            ph = mend_ent_noun(entry.form, ph)
        if not any(is_vowel(p) for p in ph):
            # the voice said "houes" as a bare w: a glide alone is the vowel
            ph = [{"j": "i", "w": "u", "ɥ": "y"}.get(p, p) for p in ph]
        if not any(is_vowel(p) for p in ph):
            return None, "silent"
        return ph, how
