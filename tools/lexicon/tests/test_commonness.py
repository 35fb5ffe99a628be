"""Commonness: the dictionary's quotations, the figures, the choice and order of lines."""
import os
import unittest

import shipped  # noqa: F401 (puts the tool on the path)
from lexbuild import littre
from lexbuild.commonness import Commonness, form_share, lemma_uses, verb_share
from lexbuild.forms import Entry, excluded, locution_fragments, plurals_of_feminine_lemmas
from lexbuild.report import Report
from lexbuild.wordlist import Line, choose, noun_plurals
from shipped import word_key

BLUE = '<span foreground="#0000CD">%s</span>, <span foreground="#B22222">HUGO</span>'


def entry(form, lemma, kind="base", tags=("N",), category="NOM"):
    return Entry(form, lemma, tuple(tags), "*", category, kind, (category,))


class Quotations(unittest.TestCase):
    ARTICLE = ("<i><small>(a-mour) s. m.</small></i> Sentiment. " + BLUE % "L'amour est un feu"
               + "\n<b><big>HISTORIQUE</big></b>\n" + BLUE % "Pro Deo amur"
               + "\n<b><big>ÉTYMOLOGIE</big></b>\n" + BLUE % "Tout à fait amour")

    def test_old_french_left_out_and_sections_after_it_kept(self):
        self.assertEqual(littre.quotations(self.ARTICLE), ["L'amour est un feu", "Tout à fait amour"])

    def test_names_inside_a_sentence_are_not_counted(self):
        self.assertEqual(littre.words_of("Pierre vit Louis. Puis il chanta"),
                         ["pierre", "vit", None, "puis", "il", "chanta"])

    def test_counts_of_elisions_hyphens_ligatures_and_expressions(self):
        counts, words, quotes = littre.count([self.ARTICLE + BLUE % "Dit-il, le cœur à côté"],
                                             ["tout à fait", "à côté"])
        self.assertEqual((quotes, words), (3, 13))
        self.assertEqual(counts["amour"], 2)  # "l'amour" and "amour"
        self.assertEqual(counts["l'"], 1)
        self.assertEqual(counts["amur"], 0)
        self.assertEqual((counts["dit"], counts["il"]), (1, 1))
        self.assertEqual(littre.form_count(counts, "cœur"), 1)
        self.assertEqual((counts["tout à fait"], counts["à côté"]), (1, 1))

    @unittest.skipUnless(os.path.exists(os.path.join(littre.DICT_DIR, littre.IDX)),
                         "stardict-xmlittre is not installed")
    def test_installed_dictionary_headwords(self):
        heads = littre.headwords()
        self.assertIn("passionné", heads)
        self.assertIn("souvenir", heads)
        self.assertGreater(len(heads), 70000)


class Figures(unittest.TestCase):
    def test_verb_forms_by_tense_and_person(self):
        present = verb_share(("V1", "Ip", "3s"))
        self.assertGreater(present, verb_share(("V1", "Ip", "1p")))
        self.assertGreater(verb_share(("V1", "Is", "3s")), 50 * verb_share(("V1", "Is", "1p")))
        self.assertGreater(verb_share(("V1", "Sq", "3s")), verb_share(("V1", "Sq", "2p")))
        # a form of two persons takes the better one
        self.assertEqual(verb_share(("V3", "Ip", "1s", "2s")), verb_share(("V3", "Ip", "1s")))
        self.assertGreater(form_share(entry("roses", "rose", "plural")), present)

    def test_shared_forms_go_to_the_lemma_its_other_forms_show(self):
        entries = [entry("est", "être", "conj", ("V0e", "Ip", "3s"), "VER"),
                   entry("sont", "être", "conj", ("V0e", "Ip", "3p"), "VER"),
                   entry("est", "est")]
        uses = lemma_uses(entries, {"est": 100, "sont": 900})
        # the noun "est" counts the form as its own, être has its other forms
        self.assertAlmostEqual(uses["être"], 900 + 100 * 901 / 1002)
        self.assertAlmostEqual(uses["est"], 100 * 101 / 1002)
        # "fils" is the son more than the plural of "fil", the thesaurus breaks ties
        entries = [entry("fils", "fils"), entry("fils", "fil", "plural"), entry("fil", "fil"),
                   entry("actes", "acte", "plural"), entry("actes", "acter", "conj", ("V1", "Ip", "2s"), "VER")]
        uses = lemma_uses(entries, {"fils": 100, "fil": 20, "actes": 10}, {"acte": 3})
        self.assertAlmostEqual(uses["fils"], 100 * 101 / 122)
        self.assertAlmostEqual(uses["acte"], 10 * 10 / 11)

    def test_verb_and_noun_of_one_spelling_weigh_apart(self):
        verb = entry("être", "être", "inf", ("V0e", "Y"), "VER")
        est = entry("est", "être", "conj", ("V0e", "Ip", "3s"), "VER")
        noun, plural = entry("être", "être"), entry("êtres", "être", "plural")
        common = Commonness([verb, est, noun, plural], {"être": 100, "est": 900, "êtres": 5}, {}, {})
        self.assertGreater(common.lemma_expected("être", True), 900)
        self.assertLess(common.lemma_expected("être", False), 60)
        self.assertLess(common.form_figure(plural), 6)

    def test_form_figures(self):
        rose, roses = entry("rose", "rose"), entry("roses", "rose", "plural")
        giaour = entry("giaour", "giaour")
        fusionna = entry("fusionnâmes", "fusionner", "conj", ("V1", "Is", "1p"), "VER")
        fusionner = entry("fusionner", "fusionner", "inf", ("V1", "Y"), "VER")
        common = Commonness([rose, roses, giaour, fusionna, fusionner], {"rose": 40, "roses": 2},
                            {"giaour": 15, "fusionner": 5}, {}, known={"giaour"})
        # the plural gets its lemma's share, more than its own count
        self.assertGreater(common.form_figure(roses), 4)
        self.assertLess(common.form_figure(roses), common.form_figure(rose))
        # a word the dictionary knows but never quotes weighs less in the thesaurus
        self.assertEqual(common.lemma_expected("giaour"), 30)
        self.assertEqual(common.lemma_expected("fusionner"), 15)
        self.assertLess(common.form_figure(fusionna), 0.1)
        self.assertTrue(common.attested("giaour"))
        self.assertFalse(common.attested("ksour", "ksour"))


class LeftOut(unittest.TestCase):
    def test_words_no_verse_uses(self):
        for form, why in [("c'", "clitique élidé"), ("www", "sans voyelle"), ("pff", "sans voyelle"),
                          ("tanh", "fonction mathématique")]:
            self.assertEqual(excluded(form, ["N"], ":N"), why, form)
        for form in ("y", "psy", "aujourd'hui", "sinus"):
            self.assertIsNone(excluded(form, ["N"], ":N"), form)

    def test_locution_fragments(self):
        tagged = [("priori", "ÉW", "*"), ("priori", "N", "M"), ("ex", "ÉW", "*"), ("ex", "N", "*"),
                  ("envi", "ÉW", "*"), ("tue-tête", "ÉW", "*"), ("hoc", "ÉW", "*")]
        self.assertEqual(locution_fragments(tagged), {"priori", "hoc"})


class Order(unittest.TestCase):
    def test_commonest_first_readings_together(self):
        lines = [Line("est", "ést", "ést", 1, {"NOM"}, False, 9.0),
                 Line("est", "é", "é", 1, {"VER"}, True, 15.0, first=True),
                 Line("cours", "kour", "our", 1, {"VER"}, True, 9.5),
                 Line("cours", "kour", "our", 1, {"NOM"}, False, 9.0),
                 Line("abbé", "abé", "bé", 2, {"NOM"}, False, 9.5),
                 Line("ksour", "sour", "our", 1, {"NOM"}, False, 1.0)]
        out = choose(lines, word_key(), Report(), target=5)
        self.assertEqual([(l.headword, l.conjugated) for l in out],
                         [("est", True), ("est", False), ("abbé", False), ("cours", False),
                          ("cours", True)])
        fils = [Line("fils", "fil", "il", 1, {"NOM"}, False, 10.9),
                Line("fils", "fis", "is", 1, {"NOM"}, False, 10.9, own_lemma=True)]
        self.assertEqual([l.exact for l in choose(fils, word_key(), Report())], ["fis", "fil"])

    def test_nouns_bring_their_plurals_and_short_words_win_ties(self):
        nouns = [entry("kiwi", "kiwi", tags=("N", "m", "s")), entry("kiwis", "kiwi", "plural", ("N", "m", "p")),
                 entry("table", "table", tags=("N", "f", "s")), entry("tables", "table", "fem_plural", ("N", "f", "p")),
                 entry("chanteuse", "chanteur", "fem", ("N", "f", "s")),
                 entry("chanteuses", "chanteur", "fem_plural", ("N", "f", "p"))]
        plurals = noun_plurals(nouns)
        self.assertEqual(plurals, {"kiwis": {"kiwi"}, "tables": {"table"}, "chanteuses": {"chanteuse"}})
        self.assertEqual([e.kind for e in plurals_of_feminine_lemmas(nouns)[3:]], ["plural", "fem", "fem_plural"])
        lines = [Line("abandonnataire", "tèr", "èr", 5, {"NOM"}, False, 1.58),
                 Line("kiwi", "iwi", "wi", 2, {"NOM"}, False, 1.58),
                 Line("kiwis", "iwi", "wi", 2, {"NOM"}, False, 1.14),
                 Line("chanteurs", "teur", "eur", 2, {"NOM"}, False, 1.3)]
        out = choose(lines, word_key(), Report(), target=2, plurals=plurals)
        self.assertEqual([l.headword for l in out], ["kiwi", "kiwis"])


if __name__ == "__main__":
    unittest.main()
