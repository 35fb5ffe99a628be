"""Phoneme sequences of French words and the rhyme keys made of them.

A pronunciation is a list of French phonemes written in IPA. Rhyme keys are
written in the program's plain-letter notation.
"""
import re

VOWELS = ["a", "ɑ", "e", "ɛ", "i", "o", "ɔ", "u", "y", "ø", "œ", "ə", "ɑ̃", "ɔ̃", "ɛ̃", "œ̃"]
CONSONANTS = ["p", "b", "t", "d", "k", "ɡ", "f", "v", "s", "z", "m", "n", "l", "ʃ", "ʒ", "ʁ",
              "ɲ", "ŋ", "j", "w", "ɥ"]
VOWEL_SET = set(VOWELS)
PHONEMES = set(VOWELS) | set(CONSONANTS)

NOTATION = {
    "a": "a", "ɑ": "a", "e": "é", "ɛ": "é", "i": "i", "o": "o", "ɔ": "o", "u": "ou", "y": "u",
    "ø": "eu", "œ": "eu", "ə": "eu", "ɑ̃": "an", "ɔ̃": "on", "ɛ̃": "in", "œ̃": "in",
    "p": "p", "b": "b", "t": "t", "d": "d", "k": "k", "ɡ": "g", "f": "f", "v": "v", "s": "s",
    "z": "z", "m": "m", "n": "n", "l": "l", "ʃ": "ch", "ʒ": "j", "ʁ": "r", "ɲ": "gn",
    "ŋ": "ng", "j": "ï", "w": "w", "ɥ": "u",
}

# Sounds of other languages that the pronouncer may give, as a French speaker says them.
FOREIGN = {
    "ɐ": ["a"], "æ": ["a"], "ɪ": ["i"], "ʊ": ["u"], "ɒ": ["ɔ"], "ʌ": ["œ"], "ɜ": ["œ"],
    "ɹ": ["ʁ"], "r": ["ʁ"], "θ": ["s"], "ð": ["z"], "h": [], "x": ["ʁ"], "ç": ["ʃ"],
    "g": ["ɡ"], "ʔ": [], "ɾ": ["ʁ"], "ʎ": ["j"], "χ": ["ʁ"], "β": ["b"], "ɣ": ["ɡ"],
    "ɫ": ["l"], "ɬ": ["l"], "c": ["k"], "q": ["k"], "ɟ": ["ɡ"], "ɕ": ["ʃ"], "ʑ": ["ʒ"],
    "ʂ": ["ʃ"], "ʐ": ["ʒ"], "ɭ": ["l"], "ɳ": ["n"], "ɖ": ["d"], "ʈ": ["t"], "ɯ": ["u"],
    "ɤ": ["o"], "ɘ": ["ə"], "ɵ": ["ø"], "ʉ": ["y"], "ɨ": ["i"], "ɶ": ["œ"], "ʏ": ["y"],
}
FOREIGN_DIPHTHONGS = {"eɪ": ["e"], "əʊ": ["o"], "oʊ": ["o"], "aɪ": ["a", "j"], "aʊ": ["a", "u"],
                      "ɔɪ": ["ɔ", "j"], "ɪə": ["i", "œ"], "eə": ["ɛ"], "ʊə": ["u", "œ"]}

_MARKS = re.compile(r"\([a-z-]+\)|[ˈˌː.ˑ‿ \-_|]")


def split_ipa(ipa):
    """The phonemes of an IPA text (stress, length, switches and blanks dropped)."""
    text = _MARKS.sub("", ipa)
    text = text.replace("g", "ɡ")
    out = []
    i = 0
    while i < len(text):
        two = text[i:i + 2]
        if two in FOREIGN_DIPHTHONGS:
            out.extend(FOREIGN_DIPHTHONGS[two])
            i += 2
            continue
        c = text[i]
        if i + 1 < len(text) and text[i + 1] == "\u0303":
            nasal = c + "\u0303"
            nasal = {"a\u0303": "ɑ̃", "o\u0303": "ɔ̃", "e\u0303": "ɛ̃", "ɒ\u0303": "ɔ̃"}.get(nasal, nasal)
            out.append(nasal if nasal in PHONEMES else "ɛ̃")
            i += 2
            continue
        if c in PHONEMES:
            out.append(c)
        elif c in FOREIGN:
            out.extend(FOREIGN[c])
        # anything else (digits, stray symbols) carries no sound for us
        i += 1
    return out


def is_vowel(p):
    return p in VOWEL_SET


def without_final_schwa(phonemes):
    ph = list(phonemes)
    while len(ph) > 1 and ph[-1] == "ə" and any(is_vowel(p) for p in ph[:-1]):
        ph.pop()
    return ph


def rhyme_part(phonemes):
    """The last vowel and everything after it."""
    for i in range(len(phonemes) - 1, -1, -1):
        if is_vowel(phonemes[i]):
            return phonemes[i:]
    return list(phonemes)


# Letters that a following n or g would join: "an", "gn", "ng"... After them
# the consonant is written double ("kann" canne, "gnnos" agnostique, "langg"
# langue), so that a key reads back one way only.
JOINS_N = set("aeéiougn")
JOINS_G = set("ng")


def notation(phonemes):
    out = ""
    for p in phonemes:
        letters = NOTATION[p]
        if p == "n" and out and out[-1] in JOINS_N:
            letters = "nn"
        elif p == "ɡ" and out and out[-1] in JOINS_G:
            letters = "gg"
        out += letters
    return out


# What each letter group reads as: one phoneme per sound the notation keeps
# apart (a and ɑ are one sound, the vowel u and the glide u two).
_READ_AS = {}
for _p, _letters in NOTATION.items():
    _known = _READ_AS.setdefault(_letters, [])
    if not _known or (_letters == "u" and _p not in _known):
        _known.append(_p)
_READ_AS["nn"] = ["n"]
_READ_AS["gg"] = ["ɡ"]
_PIECES = sorted(_READ_AS, key=len, reverse=True)


def well_formed(phonemes):
    """The glide "u" stands only before a vowel, the vowel "u" never: "cruel"
    is said kru-uel, as "prière" pri-ière."""
    for i, p in enumerate(phonemes):
        nxt = phonemes[i + 1] if i + 1 < len(phonemes) else None
        if p == "ɥ" and not (nxt and is_vowel(nxt)):
            return False
        if p == "y" and nxt and is_vowel(nxt):
            return False
        if p in ("o", "ɔ") and nxt in ("y", "ɥ"):
            return False  # French has no "o" then "u": "ou" is always the vowel ou
    return True


def readings(text):
    """Every phoneme sequence (one phoneme per letter group) that the notation
    writes as text: a key is sound when there is exactly one."""
    found = []

    def walk(i, acc):
        if i == len(text):
            if notation(acc) == text and well_formed(acc):
                found.append(tuple(acc))
            return
        for piece in _PIECES:
            if text.startswith(piece, i):
                for p in _READ_AS[piece]:
                    walk(i + len(piece), acc + [p])
    walk(0, [])
    return sorted(set(found))


def settled_glides(phonemes):
    """The vowel "u" before another vowel is followed by its glide, and the glide
    "u" with no vowel after it is the vowel: the notation writes both "u"."""
    out = []
    for i, p in enumerate(phonemes):
        nxt = phonemes[i + 1] if i + 1 < len(phonemes) else None
        if p == "ɥ" and not (nxt and is_vowel(nxt)):
            p = "y"
        out.append(p)
        if p == "y" and nxt and is_vowel(nxt):
            out.append("ɥ")
    return out


VOWEL_LETTERS = set("aeiouyàâäéèêëîïôöùûüÿœæ")
OBSTRUENT_LETTERS = set("bcdfgkptv")
SEPARATORS = set("- ")


def _consonant_before(word, i):
    if i == 0:
        return False
    prev = word[i - 1]
    if prev == "u" and i >= 2 and word[i - 2] in "qg":
        return True  # "marquera", "fatiguera": qu and gu are consonants
    return prev not in VOWEL_LETTERS and prev not in SEPARATORS and prev != "'"


def mute_e_count(form):
    """The mute e's of a spelling that verse counts: between consonants inside the
    word ("sou-ve-nir", "len-te-ment", "bas-se-cour", "pom-me de terre"), not at
    its end ("porte", "portes", "aiment") nor after a vowel ("jouera")."""
    word = form.lower()
    count = 0
    for i, c in enumerate(word):
        if c != "e" or not _consonant_before(word, i):
            continue
        rest = word[i + 1:]
        j = 0
        while j < len(rest) and rest[j] not in VOWEL_LETTERS and rest[j] not in SEPARATORS and rest[j] != "'":
            j += 1
        cons, after = rest[:j], rest[j:j + 1]
        if after in SEPARATORS and cons in ("", "s"):
            nxt = rest[j + 1:j + 2]
            if nxt and nxt not in VOWEL_LETTERS and nxt != "h":
                count += 1  # the end of a word before a consonant: "porte-plume"
            continue
        if not after or after not in VOWEL_LETTERS:
            continue  # final -es, -ent, -er, -ez, -et: said or silent, never a mute e inside
        if len(cons) == 1 and cons != "x":
            count += 1
        elif cons == "ss" and i == 1 and word[0] == "r":
            count += 1  # "ressembler", "ressouvenir": re- keeps its mute e before ss
        elif len(cons) == 2 and (cons[0] in OBSTRUENT_LETTERS and cons[1] in "lr" or cons in ("ch", "ph", "th", "gn")):
            count += 1
    return count


def verse_syllables(form, phonemes):
    """How a line of verse counts the word at its end: its spoken vowels, plus the
    mute e's between consonants that the voice drops."""
    ph = without_final_schwa(phonemes)
    spoken = sum(1 for p in ph if is_vowel(p))
    schwas = sum(1 for p in ph if p == "ə")
    counted = spoken + max(0, mute_e_count(form) - schwas)
    # an e the voice said as a full vowel ("revolver", "designer") is no mute e:
    # the count never passes the written vowels, two vowels said apart in one
    # written group ("cruellement", "naïveté") counting two
    return min(counted, max(spoken, written_vowel_groups(form) + spoken_hiatus(ph)))


def spoken_hiatus(ph):
    """Vowels said apart with nothing or only their own glide between them
    ("kʁyɛl", "pʁijɛʁ", "ebluwismɑ̃"; not "stiwaʁt")."""
    own_glide = {"i": "j", "y": "ɥ", "u": "w"}
    n = 0
    for i in range(len(ph) - 1):
        if not is_vowel(ph[i]):
            continue
        nxt = ph[i + 1]
        if is_vowel(nxt) or (nxt == own_glide.get(ph[i]) and i + 2 < len(ph) and is_vowel(ph[i + 2])):
            n += 1
    return n


def written_vowel_groups(form):
    """The groups of vowel letters of a spelling, a final mute e ("porte",
    "portes") left out."""
    word = form.lower()
    # a y or ï between vowels is a vowel and a glide: "loyal" loi-yal, "faïence"
    word = re.sub(r"(?<=[aeiouéèêâôû])[yï](?=[aeiouéèêâôû])", "i.", word)
    groups = 0
    inside = False
    for c in word:
        is_v = c in VOWEL_LETTERS
        if is_v and not inside:
            groups += 1
        inside = is_v
    tail = word[:-1] if word.endswith("s") else word
    if tail.endswith("e") and len(tail) >= 2 and tail[-2] not in VOWEL_LETTERS and groups > 1:
        groups -= 1
    return groups


def keys(phonemes, form=None):
    """(exact sound, approximate sound, syllable count) of a pronunciation; the
    syllables are counted as verse counts them when the spelling is given."""
    ph = settled_glides(without_final_schwa(phonemes))
    r = rhyme_part(ph)
    exact = r if len(r) > 3 else ph[-3:]
    approx = r if len(r) > 2 else ph[-2:]
    if form is None:
        syllables = sum(1 for p in ph if is_vowel(p))
    else:
        syllables = verse_syllables(form, ph)
    return notation(exact), notation(approx), max(1, min(9, syllables))
