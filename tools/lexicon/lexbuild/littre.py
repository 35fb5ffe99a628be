"""Word counts in the literary quotations of the public-domain dictionary that
Debian's stardict-xmlittre package ships: how often French literature writes
each form. The Old French of the "historique" sections is left out."""
import collections
import gzip
import os
import re
import struct

DICT_DIR = "/usr/share/stardict/dic"
IDX = "XMLittre.idx"
DICT = "XMLittre.dict.dz"

QUOTATION = re.compile(r'<span foreground="#0000CD">(.*?)</span>', re.S)
SECTION = re.compile(r"<b><big>([^<]*)</big></b>")
TAG = re.compile(r"<[^>]*>")
# a word: letters, inner hyphens and apostrophes ("aujourd'hui", "peut-être")
WORD = re.compile(r"[A-Za-zÀ-ÖØ-öø-ÿœŒæÆ]+(?:['’-][A-Za-zÀ-ÖØ-öø-ÿœŒæÆ]+)*['’]?")
SENTENCE_MARKS = set(".!?…:«»\"—")
OLD_SECTIONS = ("HISTORIQUE",)


def read_articles(directory=DICT_DIR):
    """Every article once (several headwords share one), in file order."""
    with open(os.path.join(directory, IDX), "rb") as f:
        idx = f.read()
    with gzip.open(os.path.join(directory, DICT)) as f:
        body = f.read()
    seen = set()
    i = 0
    while i < len(idx):
        j = idx.index(b"\0", i)
        offset, size = struct.unpack(">II", idx[j + 1:j + 9])
        i = j + 9
        if offset in seen:
            continue
        seen.add(offset)
        yield body[offset:offset + size].decode("utf-8", "replace")


def headwords(directory=DICT_DIR):
    """The dictionary's headwords in lower case, without inflections or homograph
    numbers ("PASSIONNÉ, ÉE" and "SOUVENIR.1" give "passionné" and "souvenir")."""
    with open(os.path.join(directory, IDX), "rb") as f:
        idx = f.read()
    out = set()
    i = 0
    while i < len(idx):
        j = idx.index(b"\0", i)
        head = idx[i:j].decode("utf-8", "replace").split(",")[0].split(".")[0].strip()
        out.add(normal(head.lower()))
        i = j + 9
    return out


def without_old_french(article):
    """The article without its "historique" sections (each runs to the next heading)."""
    out = []
    keep = True
    last = 0
    for m in SECTION.finditer(article):
        if keep:
            out.append(article[last:m.start()])
        keep = m.group(1).strip() not in OLD_SECTIONS
        last = m.start()
    if keep:
        out.append(article[last:])
    return "".join(out)


def quotations(article):
    """The quoted passages of an article, markup removed."""
    return [TAG.sub("", q) for q in QUOTATION.findall(without_old_french(article))]


def normal(word):
    return word.replace("’", "'").replace("œ", "oe").replace("æ", "ae")


def words_of(text):
    """The words of a passage in lower case. A capital inside a sentence marks a
    name ("Louis", "Pierre"), which is no use of the common word: None instead."""
    out = []
    end = 0
    for m in WORD.finditer(text):
        w = m.group(0)
        sentence_start = end == 0 or any(c in SENTENCE_MARKS for c in text[end:m.start()])
        end = m.end()
        if w[0].isupper() and not sentence_start:
            out.append(None)
        else:
            out.append(normal(w.lower()))
    return out


def count(articles, expressions=()):
    """(form counts, number of words, number of quotations). A form with an
    apostrophe also counts what follows it ("l'âme" counts "âme"); a hyphenated
    one its parts ("dit-il"). Expressions of several words are counted where
    their words follow each other."""
    counts = collections.Counter()
    phrases = {}
    for e in expressions:
        parts = tuple(normal(e).split())
        phrases.setdefault(len(parts), set()).add(parts)
    lengths = sorted(phrases)
    words = quotes = 0
    for article in articles:
        for q in quotations(article):
            quotes += 1
            seq = words_of(q)
            flat = []
            for w in seq:
                if w is None:
                    flat.append(None)
                    continue
                words += 1
                counts[w] += 1
                if "'" in w:
                    head, _, tail = w.rpartition("'")
                    if tail:
                        counts[tail] += 1
                        counts[head + "'"] += 1
                        flat.append(tail)
                        continue
                if "-" in w:
                    for part in w.split("-"):
                        counts[part] += 1
                flat.append(w)
            for n in lengths:
                wanted = phrases[n]
                for i in range(len(flat) - n + 1):
                    t = tuple(flat[i:i + n])
                    if t in wanted:
                        counts[" ".join(t)] += 1
    return counts, words, quotes


def form_count(counts, form):
    """How often a form of the lexicon is written in the quotations."""
    return counts.get(normal(form), 0)
