"""Verse syllables: the count of the rhyme keys, with the dictionary's diérèses.

French verse says apart, after a plain consonant, the vowels that speech glides
when the dictionary's reading does ("li-en", "jou-er", "du-el") or when its note
gives the count in verse ("passionné, en vers, de quatre syllabes").
"""
import re

from .phonemes import is_vowel

GLIDES = {"j", "w", "ɥ"}
LIQUIDS = {"l", "ʁ"}
OBSTRUENTS = {"p", "b", "t", "d", "k", "ɡ", "f", "v"}


def glides_after_consonant(ph):
    """Places where a glide stands before a vowel after a plain consonant or at the
    start of the word ("lj-ɛ̃", "w-iʁ")."""
    n = 0
    for i in range(0, len(ph) - 1):
        if ph[i] not in GLIDES or not is_vowel(ph[i + 1]):
            continue
        if i > 0 and (is_vowel(ph[i - 1]) or ph[i - 1] in GLIDES):
            continue
        if ph[i - 1] in LIQUIDS and i >= 2 and ph[i - 2] in OBSTRUENTS and ph[i] != "ɥ":
            continue  # "prière": said apart already; "bruine" is not
        n += 1
    return n


# Verbs in "-uer", "-ouer" and "-ier" (not "-guer", "-quer"): verse says their
# u, ou and i apart before the vowel of the ending ("tu-er", "nou-é",
# "ac-cen-tu-er", "jou-ant", "com-mu-ni-er", "é-tu-di-ons"), as the
# dictionary's notes give most of them; so are their participles used as
# adjectives ("exténuant", "éberlué").
_DIERESIS_VERB = {"ɥ": re.compile(r"(?<![gqo])uer$"), "w": re.compile(r"ouer$"),
                  "j": re.compile(r"(?<![aeiouyl])ier$")}


# "nous communierions": the i of the conditional's ending glides, the stem's
# is a vowel already
CONDITIONAL_ENDINGS = ("erions", "eriez")
# the participles that are also nouns or adjectives ("exténuant", "éberlué"),
# not the nouns spelt as an infinitive ("officier", "fier")
PARTICIPLE = re.compile(r"(é|ée|és|ées|ant|ante|ants|antes)$")


def dieresis_glide(lemma):
    """The glide a verb says apart in verse, or None."""
    for glide, ending in _DIERESIS_VERB.items():
        if ending.search(lemma):
            return glide
    return None


def stem_glide(ph, glide):
    """The glide after a consonant, before a vowel (the u or ou also before the
    glide i: "tɥe", "nwe", "ʒwɑ̃", "kɔmynje"): where verse splits."""
    return any(p == glide and not is_vowel(ph[i - 1]) and ph[i - 1] not in GLIDES
               and (is_vowel(ph[i + 1]) or (ph[i + 1] == "j" and glide != "j"))
               for i, p in enumerate(ph[1:-1], 1))


class VerseCount:
    def __init__(self, notes=None):
        self.notes = notes or {}
        self.changed = 0
        self.dieresis_forms = {}  # {form: glide} of the verbs above, whatever its reading

    def count(self, entry, ph, syllables):
        """The rule's count, raised where the dictionary says a glide apart and
        for the verbs in "-uer", "-ouer" and "-ier"."""
        noted = self._noted(entry, ph, syllables)
        # a verb form by its own verb ("parions" of parer is pa-rions), another
        # reading by the verb it comes from
        glide = dieresis_glide(entry.lemma) if entry.is_verb else (
            self.dieresis_forms.get(entry.form) if PARTICIPLE.search(entry.form) else None)
        if glide and stem_glide(ph, glide) and not entry.form.endswith(CONDITIONAL_ENDINGS):
            return max(noted, min(9, syllables + 1))
        return noted

    def notes_for(self, entry):
        """The form's own note, then its lemma's."""
        own = self.notes.get(entry.form)
        if own is not None:
            yield own, True
        if entry.lemma != entry.form and entry.lemma in self.notes:
            yield self.notes[entry.lemma], False

    def _noted(self, entry, ph, syllables):
        """The rule's count, raised where the dictionary says a glide apart."""
        places = glides_after_consonant(ph)
        if not places:
            return syllables
        for note, own in self.notes_for(entry):
            if own:
                # of homographs, the one said as the word is ("hier" the adverb
                # "i-êr", not the verb "bi-é")
                note = note.ending_as(bool(ph) and not is_vowel(ph[-1]))
                if note is None:
                    continue  # the note says another word ("lionne" read "li-o-né")
            if own and note.mixed:
                continue  # homographs disagree ("ruiné"): the lemma's note decides
            same_word = own or entry.form.rstrip("s").rstrip("e") == entry.lemma.rstrip("e")
            if note.verse and same_word and 0 < note.verse - syllables <= places:
                self.changed += 1
                return note.verse
            extra = min(note.hiatus_splits, places)
            if own:  # "tu-iô": the note splits what the voice already says apart
                extra = min(extra, max(0, note.syllables - syllables))
            if extra:
                self.changed += 1
            return min(9, syllables + extra)
        return syllables
