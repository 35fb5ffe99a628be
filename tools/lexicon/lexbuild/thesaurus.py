"""The mythes-fr thesaurus: synonym entries and how common each word is."""


def read_thesaurus(path):
    """[(headword, [(part of speech, [synonyms])...])] in file order."""
    entries = []
    with open(path, encoding="utf-8") as f:
        lines = f.read().split("\n")
    i = 1  # first line names the encoding
    while i < len(lines):
        line = lines[i].strip()
        i += 1
        if not line or "|" not in line:
            continue
        head, _, count = line.rpartition("|")
        try:
            n = int(count)
        except ValueError:
            continue
        meanings = []
        for _ in range(n):
            if i >= len(lines):
                break
            parts = lines[i].strip().split("|")
            i += 1
            pos = parts[0].strip("()") if parts and parts[0].startswith("(") else ""
            meanings.append((pos, [p.strip() for p in parts[1:] if p.strip()]))
        entries.append((head.strip(), meanings))
    return entries


def commonness(entries):
    """How many synonym lists a word stands in; a headword counts twice."""
    score = {}
    for head, meanings in entries:
        score[head] = score.get(head, 0) + 2
        seen = set()
        for _, syns in meanings:
            for s in syns:
                if s not in seen:
                    seen.add(s)
                    score[s] = score.get(s, 0) + 1
    return score
