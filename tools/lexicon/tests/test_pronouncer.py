"""The pronouncer with its mends, run on the hand-checked words.

Needs espeak-ng and the unpacked sources (tools/lexicon/build.sh); skipped
without them, the shipped data being checked by test_word_list.
"""
import os
import tempfile
import unittest

from shipped import TOOL, dictionary_notes, hand_list
from lexbuild import espeak, forms
from lexbuild.pronounce import Pronouncer
from lexbuild.report import Report
from lexbuild.sources import Sources
from lexbuild.verse import VerseCount

SOURCES = Sources(os.path.join(TOOL, "cache"))


@unittest.skipUnless(espeak.available() and os.path.exists(SOURCES.grammalecte_path),
                     "needs espeak-ng and the unpacked sources")
class PronouncerOnHandList(unittest.TestCase):
    def test_hand_checked_words(self):
        wanted = {w for w, *_ in hand_list()}
        lexicon = SOURCES.load_lexicon()
        entries = [e for e in forms.read_entries(lexicon, Report()) if e.form in wanted]
        with tempfile.TemporaryDirectory() as d:
            pronouncer = Pronouncer(espeak.Espeak(os.path.join(d, "ipa.json")), VerseCount(dictionary_notes()))
            pronouncer.prepare(entries)
            said = {}
            for e in entries:
                ph, _ = pronouncer.phonemes(e)
                said.setdefault(e.form, []).append((pronouncer.keys(e, ph), e.categories))
        wrong = []
        for word, exact, approx, syl, cat, _ in hand_list():
            if " " in word:
                continue  # expressions come from the thesaurus; test_word_list checks them
            readings = said.get(word, [])
            if not any(k == (exact, approx, syl) and (cat is None or cat in cats) for k, cats in readings):
                wrong.append((word, (exact, approx, syl, cat), readings))
        self.assertEqual(wrong, [])


if __name__ == "__main__":
    unittest.main()
