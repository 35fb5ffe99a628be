"""The build's own rules: search keys, order, rhyme keys, mends, cipher."""
import os
import tempfile
import unittest

import shipped  # noqa: F401 (puts the tool on the path)
from lexbuild import cipher
from lexbuild.forms import Entry
from lexbuild.frenchorder import sort_key
from lexbuild.phonemes import keys, split_ipa
from lexbuild.pronounce import (looks_french, mend_english_ending, mend_ent_noun, mend_final_s,
                                mend_foreign_er, mend_glides, mend_nasal_palatal, mend_tions,
                                split_spellings, spoken_spelling)
from lexbuild.searchkey import prepare_search_key, written_tail
from shipped import hand_list


class SearchKey(unittest.TestCase):
    def test_program_rules(self):
        cases = {
            "essai": "essé", "aimaient": "aimé", "balai": "balé", "bateaux": "bato",
            "chapeau": "chapo", "landau": "lando", "anticonstitutionnel": "tionnel",
            "pêché": "péché", "noël": "noél", "naïf": "naïf", "porte-monnaie": "e monné",
            "Maison": "Maison", "abaisserai": "aisseré",
        }
        for typed, key in cases.items():
            self.assertEqual(prepare_search_key(typed), key, typed)

    def test_written_tail_of_headwords(self):
        cases = {"lumière": "lumiére", "chapeau": "chapo", "abaisserai": "aisseré",
                 "à côté": "a coté", "cœur": "coeur", "mère": "mére", "ex æquo": "x aequo"}
        for head, tail in cases.items():
            self.assertEqual(written_tail(head), tail, head)


class FrenchOrder(unittest.TestCase):
    def test_accents_decide_from_the_end(self):
        self.assertEqual(sorted(["abi", "abé", "abe"], key=sort_key), ["abe", "abé", "abi"])
        self.assertEqual(sorted(["beré", "bére"], key=sort_key), ["bére", "beré"])

    def test_hyphens_ignored_and_ligatures_spelled_out(self):
        self.assertEqual(sorted(["abat-jour", "abatis"], key=sort_key), ["abatis", "abat-jour"])
        self.assertEqual(sorted(["oeuvre", "œuf", "oeil"], key=sort_key), ["oeil", "œuf", "oeuvre"])


class RhymeKeys(unittest.TestCase):
    def test_rule_examples(self):
        self.assertEqual(keys(split_ipa("abɛse")), ("ésé", "sé", 3))
        self.assertEqual(keys(split_ipa("ʃəval")), ("val", "al", 2))
        self.assertEqual(keys(split_ipa("pɔʁt")), ("ort", "ort", 1))
        self.assertEqual(keys(split_ipa("ʃɑ̃sɔ̃")), ("anson", "son", 2))
        self.assertEqual(keys(split_ipa("fø")), ("feu", "feu", 1))
        self.assertEqual(keys(split_ipa("o")), ("o", "o", 1))

    def test_final_schwa_dropped_unless_it_is_the_only_vowel(self):
        self.assertEqual(keys(split_ipa("pɔʁtə")), ("ort", "ort", 1))
        self.assertEqual(keys(split_ipa("lə")), ("leu", "leu", 1))

    def test_voice_marks_are_ignored(self):
        self.assertEqual(split_ipa("ʃəvˈal"), split_ipa("ʃəval"))
        self.assertEqual(split_ipa("(en)wˈiːkˈɛnd(fr)"), ["w", "i", "k", "ɛ", "n", "d"])
        self.assertEqual(split_ipa("dʒˈəʊkə"), ["d", "ʒ", "o", "k", "ə"])

    def test_syllables_capped_at_nine(self):
        self.assertEqual(keys(split_ipa("a" * 12))[2], 9)

    def test_hand_list_keys_follow_from_how_words_are_said(self):
        for word, exact, approx, syl, _, ipa in hand_list():
            self.assertEqual(keys(split_ipa(ipa)), (exact, approx, syl), word)
        self.assertGreaterEqual(len(hand_list()), 300)


def entry(form, lemma, tags, category="VER", kind="conj"):
    return Entry(form, lemma, tuple(tags), "*", category, kind, (category,))


class Mends(unittest.TestCase):
    def test_palatal_nasal(self):
        self.assertEqual(mend_nasal_palatal("oignon", split_ipa("onjɔ̃")), ["o", "ɲ", "ɔ̃"])
        self.assertEqual(mend_nasal_palatal("union", split_ipa("ynjɔ̃")), ["y", "n", "j", "ɔ̃"])

    def test_glides(self):
        self.assertEqual(mend_glides(split_ipa("pʁiɛʁ")), split_ipa("pʁijɛʁ"))
        self.assertEqual(mend_glides(split_ipa("ʁiɛ̃")), split_ipa("ʁjɛ̃"))
        self.assertEqual(mend_glides(split_ipa("nyi")), split_ipa("nɥi"))
        self.assertEqual(mend_glides(split_ipa("bʁyi")), split_ipa("bʁɥi"))
        self.assertEqual(mend_glides(split_ipa("kʁyɛl")), split_ipa("kʁyɛl"))

    def test_third_person_plural_is_said_without_its_ending(self):
        self.assertEqual(spoken_spelling(entry("convient", "convier", ["V1", "Ip", "3p"])), "convie")
        self.assertEqual(spoken_spelling(entry("aimaient", "aimer", ["V1", "Iq", "3p"])), "aimait")
        self.assertEqual(spoken_spelling(entry("convient", "convenir", ["V3", "Ip", "3s"])), "convient")
        self.assertEqual(spoken_spelling(entry("content", "content", ["A", "m", "s"], "ADJ", "base")),
                         "content")

    def test_tions_of_verbs(self):
        verb = entry("portions", "porter", ["V1", "Iq", "1p"])
        self.assertEqual(mend_tions(verb, split_ipa("pɔʁsjɔ̃")), split_ipa("pɔʁtjɔ̃"))
        noun = entry("portions", "portion", ["N", "f", "p"], "NOM", "plural")
        self.assertEqual(mend_tions(noun, split_ipa("pɔʁsjɔ̃")), split_ipa("pɔʁsjɔ̃"))
        initier = entry("initions", "initier", ["V1", "Ip", "1p"])
        self.assertEqual(mend_tions(initier, split_ipa("inisjɔ̃")), split_ipa("inisjɔ̃"))

    def test_english_final_r(self):
        self.assertEqual(mend_english_ending("leader", split_ipa("lidə")), split_ipa("lidœʁ"))
        self.assertEqual(mend_english_ending("speakers", split_ipa("spikə")), split_ipa("spikœʁ"))
        self.assertEqual(mend_english_ending("relooker", split_ipa("ʁilukœʁ"), is_verb=True),
                         split_ipa("ʁiluke"))

    def test_borrowed_nouns_in_er(self):
        verbs = {"parler", "laver"}
        self.assertEqual(mend_foreign_er("geyser", split_ipa("ʒeze"), verbs), split_ipa("ʒezɛʁ"))
        self.assertEqual(mend_foreign_er("spoilers", split_ipa("spɔjle"), verbs), split_ipa("spɔjlœʁ"))
        for french in ("premier", "berger", "rocher", "foyer", "franc-parler", "pourparler"):
            self.assertEqual(mend_foreign_er(french, split_ipa("e"), verbs), split_ipa("e"), french)

    def test_sounded_final_s(self):
        self.assertEqual(mend_final_s("cosmos", split_ipa("kɔsmo")), split_ipa("kɔsmos"))
        self.assertEqual(mend_final_s("synopsis", split_ipa("sinɔpsi")), split_ipa("sinɔpsis"))
        self.assertEqual(mend_final_s("tapis", split_ipa("tapi")), split_ipa("tapi"))
        self.assertEqual(mend_final_s("ibis", split_ipa("ibis")), split_ipa("ibis"))

    def test_nouns_in_ent_say_an(self):
        self.assertEqual(mend_ent_noun("confident", split_ipa("kɔ̃fid")), split_ipa("kɔ̃fidɑ̃"))
        self.assertEqual(mend_ent_noun("onguents", split_ipa("ɔ̃ɡə")), split_ipa("ɔ̃ɡɑ̃"))
        self.assertEqual(mend_ent_noun("moment", split_ipa("mɔmɑ̃")), split_ipa("mɔmɑ̃"))

    def test_words_taken_for_english_are_cut_into_french_pieces(self):
        self.assertTrue(looks_french("insipides", False))
        self.assertTrue(looks_french("bipède", False))
        self.assertFalse(looks_french("speaker", False))
        self.assertIn("insi-pides", split_spellings("insipides"))
        self.assertNotIn("pré-sent", split_spellings("présent"))  # a lone s between vowels is z


class Cipher(unittest.TestCase):
    def test_round_trip_and_key_from_header(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "WordKey.h")
            with open(path, "w") as f:
                f.write('inline constexpr char kWordKey[] = "ABCDEFGH";\n')
            key = cipher.read_key(path)
        self.assertEqual(key, b"ABCDEFGH")
        word = "éphémère à côté, longtemps"
        stored = cipher.encipher(word, key)
        self.assertEqual(stored[0], (ord("é".encode("cp1252").decode("latin-1")) + ord("A")) % 256)
        self.assertEqual(cipher.decipher(stored, key), word)

    def test_unstorable_bytes_are_caught(self):
        self.assertIsNotNone(cipher.stored_fault(b"ab@c"))
        self.assertIsNotNone(cipher.stored_fault(b"ab\xa3"))
        self.assertIsNone(cipher.stored_fault(b"abc"))
        self.assertIsNotNone(cipher.stored_fault(b"a,b", extra={0x2C}))


if __name__ == "__main__":
    unittest.main()
