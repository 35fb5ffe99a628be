"""The shipped spelling lists, synonyms, homonyms, anacyclics and palindromes."""
import unicodedata
import unittest

from shipped import data_path, data_sizes, read, word_key
from lexbuild import cipher
from lexbuild.frenchorder import sort_key

FIXED_U26 = "unanimité@accord\\conformité\\consentement\\harmonie\\unité\\uniformité"


def folded_initial(word):
    first = word[:1].lower().replace("œ", "o").replace("æ", "a")
    return unicodedata.normalize("NFD", first)[:1]


def spelling_lists():
    lists = {}
    for i in range(26):
        letter = chr(ord("A") + i)
        raw = read("dico", "DICO%s.%d" % (letter, 201 + i))
        lists[letter] = raw
    return lists


class SpellingLists(unittest.TestCase):
    def test_format_order_and_filing(self):
        total = 0
        for letter, raw in spelling_lists().items():
            self.assertEqual(len(raw) % 4, 0, letter)
            body = raw.rstrip(b"\0")
            self.assertLessEqual(len(raw) - len(body), 3)
            self.assertTrue(body.endswith(b"\r\n"), letter)
            words = body[:-2].decode("latin-1").split("\r\n")
            self.assertNotIn("", words)
            self.assertEqual(words, sorted(words, key=sort_key), letter)
            for w in words:
                self.assertEqual(folded_initial(w), letter.lower(), w)
                self.assertNotIn("\0", w)
            total += len(words)
        self.assertGreater(total, 250000)

    def test_common_words_are_there(self):
        lists = spelling_lists()
        for w in ["à", "âcre", "ça", "été", "île", "ôter", "maison", "coeur", "aimaient", "abat-jour"]:
            letter = folded_initial(w).upper()
            self.assertIn(("\r\n" + w + "\r\n").encode("latin-1"), b"\r\n" + lists[letter], w)

    def test_forms_written_only_before_je_are_left_out(self):
        lists = spelling_lists()
        endings = [w for raw in lists.values() for w in raw.rstrip(b"\0").decode("latin-1").split("\r\n")
                   if w.endswith("è")]
        # "chevalè", "abîmè" exist only as "chevalè-je"; no French word alone ends in è
        # except a few borrowed ones, far fewer than the thousands of such verb forms
        self.assertLess(len(endings), 50, endings[:20])
        for w in ["après", "près", "dussé", "puissé", "abîmé"]:
            letter = folded_initial(w).upper()
            self.assertIn(("\r\n" + w + "\r\n").encode("latin-1"), b"\r\n" + lists[letter], w)
        for w in ["chevalè", "abîmè", "aimè"]:
            letter = folded_initial(w).upper()
            self.assertNotIn(("\r\n" + w + "\r\n").encode("latin-1"), b"\r\n" + lists[letter], w)


def synonym_lines():
    raw = read("listsyno.ret")
    self_lines = raw.split(b"\r\n")
    assert self_lines[-1] == b""
    return self_lines[:-1]


class Synonyms(unittest.TestCase):
    def test_lines_read_as_one_field(self):
        for line in synonym_lines():
            self.assertNotIn(b",", line)
            self.assertNotIn(b'"', line)
            self.assertFalse(line.startswith((b" ", b"\t")), line)
            self.assertIn(b"@", line)

    def test_blocks_have_the_declared_sizes_and_letters(self):
        sizes = data_sizes()
        lines = synonym_lines()
        self.assertEqual(len(lines), sum(sizes["blocks"]))
        self.assertEqual(sizes["kSynonymTotal"], sum(sizes["blocks"]))
        key = word_key()
        start = 0
        for i, size in enumerate(sizes["blocks"]):
            letter = chr(ord("A") + i)
            heads = []
            for line in lines[start:start + size]:
                stored, _, rest = line.partition(b"@")
                if letter == "H":
                    stored = stored.replace(b"\xa3", b",")
                head = cipher.decipher(stored, key) if letter in "HQU" else stored.decode("cp1252")
                self.assertEqual(folded_initial(head), letter.lower(), head)
                self.assertTrue(rest, head)
                heads.append(head)
            self.assertEqual(heads, sorted(heads, key=sort_key), letter)
            if letter == "U":
                self.assertEqual(heads[25] + "@" + lines[start + 25].partition(b"@")[2].decode("cp1252"),
                                 FIXED_U26)
            start += size


class Homonyms(unittest.TestCase):
    def test_count_and_format(self):
        raw = read("listhomo.ret")
        self.assertTrue(raw.endswith(b"\r\n"))
        lines = raw[:-2].decode("cp1252").split("\r\n")
        self.assertEqual(len(lines), data_sizes()["kHomonymCount"])
        heads = []
        for line in lines:
            self.assertNotIn(",", line)
            self.assertNotIn('"', line)
            self.assertFalse(line.startswith(" "))
            head, sep, rest = line.partition("@")
            self.assertEqual(sep, "@")
            self.assertEqual(head, head.lower())
            self.assertTrue(rest)
            self.assertNotIn(head, rest.split("\\"))
            heads.append(head)
        self.assertEqual(len(heads), len(set(heads)))

    def test_known_homophones(self):
        lines = dict(l.split("@") for l in read("listhomo.ret").decode("cp1252").split("\r\n") if l)
        self.assertIn("vert", lines.get("verre", "").split("\\"))


class WordGames(unittest.TestCase):
    def _lines(self, name):
        raw = read(name)
        self.assertTrue(raw.endswith(b"\r\n"))
        return raw[:-2].decode("ascii").split("\r\n")

    def _words(self):
        words = set()
        for raw in spelling_lists().values():
            for w in raw.rstrip(b"\0").decode("latin-1").split("\r\n"):
                f = "".join(c for c in unicodedata.normalize("NFD", w) if not unicodedata.combining(c))
                words.add(f.upper())
        return words

    def test_anacyclics(self):
        lines = self._lines("anacycliques.txt")
        self.assertEqual(len(lines), data_sizes()["kAnacyclicCount"])
        self.assertEqual(lines, sorted(lines))
        words = self._words()
        for item in lines:
            a, sep, b = item.partition(" et ")
            self.assertEqual(sep, " et ")
            self.assertEqual(b, a[::-1])
            self.assertRegex(a, r"^[A-Z]{2,}$")
            self.assertIn(a, words)
            self.assertIn(b, words)

    def test_palindromes(self):
        lines = self._lines("palindromes.txt")
        self.assertEqual(len(lines), data_sizes()["kPalindromeCount"])
        self.assertEqual(lines, sorted(lines))
        for w in lines:
            self.assertRegex(w, r"^[A-Z]{2,}$")
            self.assertEqual(w, w[::-1])


if __name__ == "__main__":
    unittest.main()
