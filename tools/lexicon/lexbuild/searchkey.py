"""The search key the program makes of a typed word, and the written tail of a headword."""


def change_all(text, old, new):
    """Replace every occurrence left to right without overlap (like the program's routine)."""
    if not old or not text.strip(" "):
        return text
    return text.replace(old, new)


_FOLDS = [("à", "a"), ("â", "a"), ("ä", "a"), ("è", "é"), ("ê", "é"), ("ë", "é"), ("î", "i"),
          ("ç", "c"), ("ô", "o"), ("ö", "o"), ("ù", "u"), ("û", "u"), ("-", " ")]


def prepare_search_key(typed):
    w = typed
    if w.endswith("ai"):
        w = w[:-2] + "é"
    if w.endswith("aie"):
        w = w[:-3] + "é"
    if w.endswith("ais"):
        w = w[:-3] + "é"
    if w.endswith("ait"):
        w = w[:-3] + "é"
    if w.endswith("aient"):
        w = w[:-5] + "é"
    w = w[-7:]
    if w.endswith("eaux"):
        w = w[:-4] + "o"
    if w.endswith("eau"):
        w = w[:-3] + "o"
    elif w.endswith("au"):
        w = w[:-2] + "o"
    for old, new in _FOLDS:
        w = change_all(w, old, new)
    return w


def spelled_plain(word):
    """Lower case with the ligatures written out, as the written tail and spelling lists use."""
    return word.lower().replace("œ", "oe").replace("æ", "ae")


def written_tail(headword):
    return prepare_search_key(spelled_plain(headword))
