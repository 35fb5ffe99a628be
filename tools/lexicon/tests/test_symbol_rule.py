"""The symbol rule on the whole lexicon: an entry marked as a symbol is left
out, never a word of the same spelling that the lexicon gives as a common noun
or adjective ("bar" the unit's symbol and the bar, "as" and the ace).

Needs the unpacked sources (tools/lexicon/build.sh); skipped without them.
"""
import os
import unittest

from shipped import TOOL, rows_by_word
from lexbuild import forms
from lexbuild.report import Report
from lexbuild.sources import Sources

SOURCES = Sources(os.path.join(TOOL, "cache"))
SYMBOL_RULE = "symbole ou unité"


def common_nouns_with_a_symbol(lexicon):
    """Forms the lexicon has both as a symbol and, in its common spelling and
    unmarked, as a noun or an adjective."""
    symbols, words = set(), set()
    for form, _, tag in lexicon.select():
        raw, _, variant = tag.partition("/")
        form = forms.clean_form(form)
        parts = [p for p in forms._MARK.sub("", raw).split(":") if p]
        if ";S" in raw:
            symbols.add(form)
        elif variant == "*" and parts and parts[0] in ("N", "A"):
            words.add(form)
    return symbols & words


@unittest.skipUnless(os.path.exists(SOURCES.grammalecte_path), "needs the unpacked sources")
class SymbolRuleOnTheLexicon(unittest.TestCase):
    def test_no_common_noun_or_adjective_is_lost_to_the_symbol_rule(self):
        lexicon = SOURCES.load_lexicon()
        report = Report()
        kept = {e.form for e in forms.read_entries(lexicon, report)}
        other_rules = {w for why, ws in report.left_out.items() if why != SYMBOL_RULE for w in ws}
        both = common_nouns_with_a_symbol(lexicon)
        self.assertTrue({"as", "bar", "bit", "mas"} <= both, both)
        lost = sorted(f for f in both if f not in kept and f not in other_rules)
        self.assertEqual(lost, [])
        # and the common ones have their lines
        shipped = rows_by_word()
        self.assertEqual([w for w in ("as", "bar", "bit", "cal", "dam", "erg", "gal", "mas", "mol")
                          if w not in shipped], [])


if __name__ == "__main__":
    unittest.main()
