"""The homonyms file: lemmas that sound alike, from the curated homophone sets."""
from .frenchorder import sort_key

_BAD = set(',"@\\\r\n\t')


def _lemma_members(members, morph):
    """Members of a set that are lemmas (not inflections) and fit a line."""
    out = []
    for w in members:
        if not w or w != w.lower() or set(w) & _BAD or w[0] == " ":
            continue
        try:
            w.encode("cp1252")
        except UnicodeEncodeError:
            continue
        lemmas = [m[1:].split("/")[0] for m in morph.get(w, [])]
        tags = [m.split("/")[1] if m.count("/") >= 1 else "" for m in morph.get(w, [])]
        if w in lemmas and not all(t.startswith(":M") for t in tags):
            out.append(w)
    return out


def homonym_lines(phonet_data, common, sounds, min_common=1):
    """headword -> homophones, for sets where two or more common lemmas are said alike.

    sounds maps a word to the pronunciations the word list gives it; a lemma
    that only shares the set through another reading ("violent", adjective,
    against "ils violent") is left out.
    """
    lines = {}
    for members in phonet_data.lSet:
        lemmas = _lemma_members(members, phonet_data.dMorph)
        known = sorted({w for w in lemmas if common.get(w, 0) >= min_common and w in sounds},
                       key=sort_key)
        if len(known) < 2:
            continue
        tally = {}
        for w in known:
            for s in sounds[w]:
                tally[s] = tally.get(s, 0) + 1
        best = max(sorted(tally), key=lambda s: tally[s])
        known = [w for w in known if best in sounds[w]]
        if len(known) < 2:
            continue
        for w in known:
            lines.setdefault(w, [])
            for o in known:
                if o != w and o not in lines[w]:
                    lines[w].append(o)
    return lines


def file_lines(lines):
    """In reverse dictionary order: the program shows the list from the last line up."""
    heads = sorted(lines, key=sort_key, reverse=True)
    return [h + "@" + "\\".join(sorted(lines[h], key=sort_key)) for h in heads]
