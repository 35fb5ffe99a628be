"""The two lists of rhyme sounds: every distinct value of the word list."""
from .frenchorder import sort_key
from .writers import CRLF


def exact_sounds(lines):
    return sorted({l.exact for l in lines}, key=sort_key)


def approx_sounds(lines):
    return sorted({l.approx for l in lines}, key=sort_key)


def exact_file(sounds):
    # every line ends with CR LF
    return b"".join(s.encode("cp1252") + CRLF for s in sounds)


def approx_file(sounds):
    # no CR LF after the last line, then three zero bytes
    return CRLF.join(s.encode("cp1252") for s in sounds) + b"\0\0\0"
