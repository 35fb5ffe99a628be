"""The headword cipher: each byte plus the key byte, modulo 256, the key repeating."""
import re

# Bytes a stored headword must never hold: the field separator, line ends,
# the "£" that the word-list loader turns back into a comma, a NUL, and the
# five codes Windows-1252 leaves undefined (a decoder may not keep them).
FORBIDDEN_ALWAYS = {0x40, 0x0D, 0x0A, 0xA3, 0x00, 0x81, 0x8D, 0x8F, 0x90, 0x9D}


def read_key(header_path):
    with open(header_path, encoding="utf-8") as f:
        text = f.read()
    m = re.search(r'kWordKey\s*\[\s*\]\s*=\s*"([^"]+)"', text)
    if not m:
        raise ValueError("no kWordKey in " + header_path)
    key = m.group(1).encode("cp1252")
    if len(key) == 0:
        raise ValueError("empty kWordKey")
    return key


def encipher_bytes(plain, key):
    return bytes((b + key[i % len(key)]) % 256 for i, b in enumerate(plain))


def decipher_bytes(stored, key):
    return bytes((b - key[i % len(key)]) % 256 for i, b in enumerate(stored))


def encipher(word, key):
    return encipher_bytes(word.encode("cp1252"), key)


def decipher(stored, key):
    return decipher_bytes(stored, key).decode("cp1252")


def stored_fault(stored, extra=()):
    """Why an enciphered headword cannot be stored, or None when it can."""
    for b in stored:
        if b in FORBIDDEN_ALWAYS or b in extra:
            return "chiffré contient l'octet 0x%02X" % b
    return None
