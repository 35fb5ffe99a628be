"""The synonyms file: one line per thesaurus headword, in blocks A to Z."""
import unicodedata

from . import cipher
from .frenchorder import sort_key

ENCIPHERED_BLOCKS = "HQU"
# The program writes this line into slot 26 of block U whatever the file says there.
FIXED_U26 = "unanimité@accord\\conformité\\consentement\\harmonie\\unité\\uniformité"
FIXED_U26_SLOT = 26

_BAD_TEXT = set(',"@\\\r\n\t')


def block_letter(headword):
    first = headword[:1].lower().replace("œ", "o").replace("æ", "a")
    first = unicodedata.normalize("NFD", first)[:1]
    return first.upper() if "a" <= first <= "z" else None


def _encodable(text):
    try:
        text.encode("cp1252")
        return True
    except UnicodeEncodeError:
        return False


def clean_entries(thesaurus, report):
    """headword -> synonyms (all meanings, in order, no repeats), usable in a line."""
    merged = {}
    for head, meanings in thesaurus:
        if not head or head[0] == " " or set(head) & _BAD_TEXT or not _encodable(head):
            report.leave_out("synonymes : vedette inutilisable", head)
            continue
        syns = merged.setdefault(head, [])
        for _, words in meanings:
            for w in words:
                w = w.strip()
                if not w or w == head or w in syns or set(w) & _BAD_TEXT or not _encodable(w):
                    continue
                syns.append(w)
    return {h: s for h, s in merged.items() if s}


def stored_headword(head, letter, key):
    """The headword as the file holds it, or None when it cannot be held."""
    if letter not in ENCIPHERED_BLOCKS:
        return head.encode("cp1252")
    stored = cipher.encipher(head, key)
    extra = {0x22, 0x09}
    if letter in "QU":
        extra.add(0x2C)
    if cipher.stored_fault(stored, extra) or stored[:1] == b" ":
        return None
    if letter == "H":
        stored = stored.replace(b",", b"\xa3")
    return stored


def build_blocks(entries, key, common, report):
    blocks = {chr(c): [] for c in range(ord("A"), ord("Z") + 1)}
    for head in sorted(entries, key=sort_key):
        letter = block_letter(head)
        if letter is None:
            report.leave_out("synonymes : initiale hors A-Z", head)
            continue
        if stored_headword(head, letter, key) is None:
            report.leave_out("synonymes : chiffrement impossible avec la clé", head)
            continue
        blocks[letter].append(head)
    _settle_u26(blocks, entries, common, report)
    return blocks


def _settle_u26(blocks, entries, common, report):
    """Make slot 26 of block U hold the line the program puts there."""
    head, _, rest = FIXED_U26.partition("@")
    entries[head] = rest.split("\\")
    u = [h for h in blocks["U"] if h != head]
    before = [h for h in u if sort_key(h) < sort_key(head)]
    after = [h for h in u if sort_key(h) >= sort_key(head)]
    need = FIXED_U26_SLOT - 1
    if len(before) < need:
        raise SystemExit("block U has too few headwords before '%s'" % head)
    while len(before) > need:
        # leave out the least common headword before it
        weakest = min(before, key=lambda h: (common.get(h, 0), sort_key(h)))
        before.remove(weakest)
        report.leave_out("synonymes : place 26 du bloc U réservée", weakest)
    blocks["U"] = before + [head] + after


def line_bytes(head, letter, entries, key):
    return stored_headword(head, letter, key) + ("@" + "\\".join(entries[head])).encode("cp1252")


def file_bytes(blocks, entries, key):
    out = []
    for letter in sorted(blocks):
        for head in blocks[letter]:
            out.append(line_bytes(head, letter, entries, key) + b"\r\n")
    return b"".join(out)
