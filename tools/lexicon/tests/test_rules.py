"""The build's own rules: search keys, order, rhyme keys, mends, cipher."""
import os
import re
import tempfile
import unittest

import shipped  # noqa: F401 (puts the tool on the path)
from lexbuild import cipher, littre_notes
from lexbuild.forms import Entry, excluded
from lexbuild.modern import modern_lemmas, read_stems
from lexbuild.frenchorder import sort_key
from lexbuild.phonemes import (keys, mute_e_count, notation, readings, split_ipa, verse_syllables,
                               well_formed)
from lexbuild.verse import VerseCount
from lexbuild.pronounce import (looks_french, mend_arguer, mend_english_ending, mend_ent_noun,
                                mend_final_s, mend_foreign_er, mend_future, mend_geminates, mend_glides,
                                mend_infinitive, mend_nasal_palatal, mend_tions, split_spellings,
                                spoken_spelling)
from lexbuild.searchkey import prepare_search_key, written_tail
import notes_extract
from shipped import dictionary_notes, hand_list


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
        verse = VerseCount(dictionary_notes())
        for word, exact, approx, syl, cat, ipa in hand_list():
            ph = split_ipa(ipa)
            got = keys(ph, word)
            # the lemma is not in the list: any of the word's shorter spellings may be
            # it, or the infinitive of a participle ("noué", "exténuant")
            lemmas = [(word[:len(word) - cut], cat or "NOM") for cut in range(4)]
            lemmas.append((re.sub(r"(ée?s?|ante?s?)$", "er", word), "VER"))
            counted = {got[2]} | {verse.count(entry(word, lemma, [], category, "base"), ph, got[2])
                                  for lemma, category in lemmas}
            self.assertEqual(got[:2], (exact, approx), word)
            self.assertIn(syl, counted, word)
        self.assertGreaterEqual(len(hand_list()), 900)


class Notation(unittest.TestCase):
    def test_vowel_and_n_are_kept_apart_from_the_nasal_vowels(self):
        cases = {"kan": "kann", "savan": "vann", "fin": "finn", "bɔn": "bonn", "vɑ̃": "van",
                 "bɔ̃": "bon", "fɛ̃": "fin", "ɑ̃nɥi": "nui", "lɑ̃ɡ": "langg", "paʁkiŋ": "king",
                 "staɡnɑ̃": "gnnan", "siɲ": "sign", "tɑ̃ɡo": "anggo"}
        for ipa, exact in cases.items():
            self.assertEqual(keys(split_ipa(ipa))[0], exact, ipa)

    def test_every_short_sequence_reads_back_one_way(self):
        classes = ["a", "e", "i", "o", "u", "y", "ø", "ɑ̃", "ɔ̃", "ɛ̃", "p", "b", "t", "d", "k", "ɡ",
                   "f", "v", "s", "z", "m", "n", "l", "ʃ", "ʒ", "ʁ", "ɲ", "ŋ", "j", "w", "ɥ"]
        seqs = [(a,) for a in classes] + [(a, b) for a in classes for b in classes]
        seqs += [(a, b, c) for a in classes for b in ("n", "ɡ", "y", "ɥ", "ɑ̃", "i", "ɲ", "ŋ") for c in classes]
        for seq in seqs:
            if well_formed(seq):  # not the vowel "u" before a vowel, which French glides
                text = notation(list(seq))
                self.assertEqual(readings(text), [seq], text)

    def test_cruel_and_duel_are_written_as_said(self):
        self.assertEqual(keys(split_ipa("kʁyɛl"))[0], keys(split_ipa("dɥɛl"))[0])
        self.assertEqual(readings("uél"), [("ɥ", "e", "l")])


class VerseSyllables(unittest.TestCase):
    def test_mute_e_between_consonants_counts(self):
        said = {"souvenir": "suvniʁ", "basse-cour": "baskuʁ", "lentement": "lɑ̃tmɑ̃", "samedi": "samdi",
                "doucement": "dusmɑ̃", "boulangerie": "bulɑ̃ʒʁi", "médecin": "medəsɛ̃", "cheval": "ʃəval",
                "porte-plume": "pɔʁtplym", "jurerait": "ʒyʁəʁɛ"}
        counts = {"souvenir": 3, "basse-cour": 3, "lentement": 3, "samedi": 3, "doucement": 3,
                  "boulangerie": 4, "médecin": 3, "cheval": 2, "porte-plume": 3, "jurerait": 3}
        for word, ipa in said.items():
            self.assertEqual(verse_syllables(word, split_ipa(ipa)), counts[word], word)

    def test_final_and_after_vowel_mute_e_do_not_count(self):
        for word, ipa, n in [("porte", "pɔʁt", 1), ("portes", "pɔʁt", 1), ("aiment", "ɛm", 1),
                             ("jouera", "ʒuʁa", 2), ("dévouement", "devumɑ̃", 3), ("gaieté", "ɡɛte", 2),
                             ("merci", "mɛʁsi", 2), ("belle", "bɛl", 1), ("porte-avions", "pɔʁtavjɔ̃", 3)]:
            self.assertEqual(verse_syllables(word, split_ipa(ipa)), n, word)
        self.assertEqual(mute_e_count("attaquera"), 1)  # qu is a consonant

    def test_glides_after_a_consonant_and_l_or_r_are_said_apart(self):
        for ipa, n in [("pʁiɛʁ", 2), ("kʁyɛl", 2), ("ubliɛ", 3), ("pitje", 2), ("nyi", 1), ("sjɛl", 1)]:
            ph = mend_glides(split_ipa(ipa))
            self.assertEqual(keys(ph)[2], n, ipa)

    def test_the_dictionary_says_apart_what_verse_says_apart(self):
        verse = VerseCount(dictionary_notes())
        for word, ipa, n in [("lien", "ljɛ̃", 2), ("jouer", "ʒwe", 2), ("duel", "dɥɛl", 2),
                             ("pitié", "pitje", 2), ("nuit", "nɥi", 1), ("ciel", "sjɛl", 1),
                             ("passionné", "pasjɔne", 4)]:
            ph = split_ipa(ipa)
            self.assertEqual(verse.count(entry(word, word, [], "NOM", "base"), ph, keys(ph, word)[2]), n, word)


class DictionaryNotesExtract(unittest.TestCase):
    @unittest.skipUnless(littre_notes.available(), "needs the dictionary of stardict-xmlittre")
    def test_extract_says_what_the_dictionary_says(self):
        full = littre_notes.read_notes()
        wanted = notes_extract.wanted_words() & full.keys()
        self.assertEqual(dictionary_notes(), {w: full[w] for w in wanted})

    def test_extract_covers_the_hand_list(self):
        self.assertGreaterEqual(len(dictionary_notes()), 900)


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

    def test_ou_before_a_vowel(self):
        self.assertEqual(mend_glides(split_ipa("ʒwʁa"), "jouera"), split_ipa("ʒuʁa"))
        self.assertEqual(mend_glides(split_ipa("tʁwe"), "trouer"), split_ipa("tʁuwe"))
        self.assertEqual(mend_glides(split_ipa("eblwiʁ"), "éblouir"), split_ipa("ebluwiʁ"))
        self.assertEqual(mend_glides(split_ipa("tʁwa"), "trois"), split_ipa("tʁwa"))

    def test_futures_are_not_imperfects(self):
        jurerait = entry("jurerait", "jurer", ["V1", "K", "3s"])
        self.assertEqual(mend_future(jurerait, split_ipa("ʒyʁʁɛ")), split_ipa("ʒyʁəʁɛ"))
        courrons = entry("courrons", "courir", ["V3", "If", "1p"])
        self.assertEqual(mend_future(courrons, split_ipa("kuʁɔ̃")), split_ipa("kuʁʁɔ̃"))
        self.assertEqual(mend_geminates(split_ipa("kuʁʁɔ̃"), ("ʁ",)), split_ipa("kuʁʁɔ̃"))
        courait = entry("courait", "courir", ["V3", "Iq", "3s"])
        self.assertEqual(mend_future(courait, split_ipa("kuʁɛ")), split_ipa("kuʁɛ"))

    def test_arguer_says_its_u(self):
        for form, said, mended in [("argue", "aʁɡ", "aʁɡy"), ("arguait", "aʁɡɛ", "aʁɡɥɛ"),
                                   ("arguera", "aʁɡʁa", "aʁɡyʁa"), ("arguë", "aʁɡy", "aʁɡy")]:
            self.assertEqual(mend_arguer(entry(form, "arguer", ["V1"]), split_ipa(said)), split_ipa(mended))

    def test_infinitives_in_er_end_in_e(self):
        for form, said in [("bronzer", "bʁɔ̃zœʁ"), ("zoner", "zonʁ")]:
            self.assertEqual(mend_infinitive(entry(form, form, ["V1", "Y"], kind="inf"), split_ipa(said))[-1], "e")

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
        for silent in ("sursis", "châssis"):
            self.assertEqual(mend_final_s(silent, split_ipa("ʃasi")), split_ipa("ʃasi"), silent)
        self.assertEqual(mend_final_s("taxis", split_ipa("taksi"), {"taxi"}), split_ipa("taksi"))

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


class Exclusions(unittest.TestCase):
    def test_the_symbol_entry_is_left_out_never_the_word(self):
        self.assertEqual(excluded("am", ["N", "m", "i"], ":N:m:i;S"), "symbole ou unité")
        # a unit's name is a noun
        self.assertIsNone(excluded("ampère", ["N", "m", "s"], ":N:m:s;U"))
        self.assertIsNone(excluded("mètres", ["N", "m", "p"], ":N:m:p;U"))

    def test_a_function_name_is_left_out_not_the_adjective(self):
        self.assertEqual(excluded("sin", ["N", "m", "i"], ":N:m:i"), "fonction mathématique")
        self.assertIsNone(excluded("sec", ["N", "A", "m", "s"], ":N:A:m:s"))


class WordsOfToday(unittest.TestCase):
    def test_stems_and_their_parts_of_speech(self):
        with tempfile.TemporaryDirectory() as d:
            path = os.path.join(d, "fr.dic")
            with open(path, "w", encoding="utf-8") as f:
                f.write("4\nkiwi/S.() po:nom is:mas\nsec/F.() po:nom po:adj\n"
                        "ampère/Um() po:nom is:mas\nchanter/a0p+() po:v1 po:infi\n")
            stems = read_stems(path)
        self.assertEqual(stems["sec"], {"nom", "adj"})
        entries = [Entry("kiwi", "kiwi", ("N", "m", "s"), "*", "NOM", "base", ("NOM",)),
                   Entry("kiwis", "kiwi", ("N", "m", "p"), "*", "NOM", "plural", ("NOM",)),
                   Entry("chanter", "chanter", ("V1", "Y"), "*", "VER", "inf", ("VER",)),
                   Entry("exaampère", "exaampère", ("N", "m", "s"), "*", "NOM", "base", ("NOM",)),
                   Entry("sec", "sec", ("N", "A", "m", "s"), "C", "NOM", "base", ("NOM", "ADJ"))]
        # words hunspell makes with its flags, other spellings: no
        self.assertEqual(modern_lemmas(entries, stems), {"kiwi", "chanter"})


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
