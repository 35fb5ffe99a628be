"""Anacyclics and palindromes, from the spelling forms."""
import unicodedata


def folded(word):
    """The word in capitals A-Z without accents, or None when it has other characters."""
    w = word.replace("œ", "oe").replace("æ", "ae")
    w = "".join(c for c in unicodedata.normalize("NFD", w) if not unicodedata.combining(c)).upper()
    if len(w) < 2 or not all("A" <= c <= "Z" for c in w):
        return None
    return w


def word_games(forms):
    words = {f for f in (folded(w) for w in forms) if f}
    anacyclics = sorted(w for w in words if w[::-1] in words)
    palindromes = sorted(w for w in anacyclics if w == w[::-1])
    return [w + " et " + w[::-1] for w in anacyclics], palindromes
