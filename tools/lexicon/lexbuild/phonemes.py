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


def notation(phonemes):
    return "".join(NOTATION[p] for p in phonemes)


def keys(phonemes):
    """(exact sound, approximate sound, syllable count) of a pronunciation."""
    ph = without_final_schwa(phonemes)
    r = rhyme_part(ph)
    exact = r if len(r) > 3 else ph[-3:]
    approx = r if len(r) > 2 else ph[-2:]
    syllables = sum(1 for p in ph if is_vowel(p))
    return notation(exact), notation(approx), max(1, min(9, syllables))
