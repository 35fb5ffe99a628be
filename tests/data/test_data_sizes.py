"""The constants the program reads (src/lexicon/DataSizes.h) agree with the files in data/."""
import os
import re
import unittest

REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def read(*parts):
    with open(os.path.join(REPO, *parts), "rb") as f:
        return f.read()


def constants():
    text = read("src", "lexicon", "DataSizes.h").decode("utf-8")
    blocks = re.search(r"kSynonymBlockSizes\s*=\s*\{([^}]*)\}", text).group(1)
    values = {"blocks": [int(x) for x in blocks.split(",") if x.strip()]}
    for name, number in re.findall(r"constexpr int (k\w+) = (\d+);", text):
        values[name] = int(number)
    return values


def word_list_capacity():
    """WordList::Capacity, the one figure the store, the build and the checks share."""
    text = read("src", "lexicon", "WordList.h").decode("utf-8")
    return int(re.search(r"static constexpr int Capacity\s*=\s*(\d+)\s*;", text).group(1))


def crlf_lines(raw):
    """Lines of a file whose every line ends with CR LF."""
    assert raw.endswith(b"\r\n"), "last line without CR LF"
    return raw[:-2].split(b"\r\n")


class DataSizesMatchData(unittest.TestCase):
    def setUp(self):
        self.c = constants()

    def test_synonym_blocks(self):
        self.assertEqual(len(self.c["blocks"]), 26)
        self.assertEqual(sum(self.c["blocks"]), self.c["kSynonymTotal"])
        self.assertEqual(len(crlf_lines(read("data", "listsyno.ret"))), self.c["kSynonymTotal"])

    def test_homonyms_anacyclics_palindromes(self):
        self.assertEqual(len(crlf_lines(read("data", "listhomo.ret"))), self.c["kHomonymCount"])
        self.assertEqual(len(crlf_lines(read("data", "anacycliques.txt"))), self.c["kAnacyclicCount"])
        self.assertEqual(len(crlf_lines(read("data", "palindromes.txt"))), self.c["kPalindromeCount"])

    def test_word_list_and_sound_lists(self):
        words = read("data", "3_LISTE_DES_MOTS.103")
        self.assertEqual(words.count(b"\r\n"), self.c["kWordCount"])
        self.assertLessEqual(self.c["kWordCount"], word_list_capacity())
        exact = read("data", "1_SONORES_EXACTES.101")
        self.assertEqual(exact.count(b"\r\n"), self.c["kExactSoundCount"])
        approx = read("data", "2_SONORES_APP.102")
        self.assertEqual(approx.count(b"\r\n") + 1, self.c["kApproxSoundCount"])


if __name__ == "__main__":
    unittest.main()
