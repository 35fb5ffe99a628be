"""Builds every data file of the program from the unpacked Debian packages."""
import argparse
import collections
import os
import time

from . import (aspirated_h, cipher, datasizes, forms, homonyms, littre, littre_notes, littre_review, modern,
               soundlists, spelling, synonyms, thesaurus, wordgames)
from .espeak import Espeak
from .pronounce import Pronouncer
from .report import Report
from .verse import VerseCount
from .sources import PACKAGES, Sources
from .commonness import Commonness, common_tense
from .wordlist import (ENGLISH_LOAN_SHARE, MAX_LINES, QUOTED_LOAN_SHARE, build_lines, choose, family_sizes,
                       lower_english_loans, noun_plurals)

# the voice reads a margin of forms beyond the capacity, for the forms without a reading
CANDIDATE_FORMS = MAX_LINES + 12000
from .writers import lines_crlf, write_bytes

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO = os.path.dirname(os.path.dirname(HERE))


def _word_list(src, key, report, thes_common, thes):
    lexicon = src.load_lexicon()
    entries = forms.read_entries(lexicon, report)
    entries += forms.expressions(thes, {e.form for e in entries})
    started = time.time()
    counts, words, quotes = littre.count(littre.read_articles(src.littre_dir),
                                         [e.form for e in entries if " " in e.form])
    report.add("Citations du dictionnaire", [
        "citations : %d ; mots : %d ; formes distinctes : %d ; lecture : %.0f s"
        % (quotes, words, len(counts), time.time() - started)])
    family = family_sizes(e.lemma for e in entries if len(e.lemma) >= 4 and " " not in e.lemma)
    today = modern.modern_lemmas(entries, modern.read_stems(src.hunspell_path))
    common = Commonness(entries, counts, thes_common, family, littre.headwords(src.littre_dir), today)
    attested = []
    for e in entries:
        if e.conjugated and not common_tense(e.tags) and not littre.form_count(counts, e.form):
            # "abjurassions", "abhorrâtes": verse takes them only where literature does
            report.leave_out("temps rare sans emploi cité", e.form)
        elif common.attested(e.lemma, e.form):
            attested.append(e)
        else:
            report.leave_out("sans usage littéraire ni courant", e.form)
    figures = {e: common.form_figure(e) for e in attested}
    # only the forms that can make the cut are worth asking the voice about
    best = {}
    for e, f in figures.items():
        best[e.form] = max(best.get(e.form, 0), f)
    # a band of equal figures is read whole: the cut chooses inside it by length
    least = sorted(best.values(), reverse=True)[min(CANDIDATE_FORMS, len(best)) - 1]
    kept_forms = {f for f, b in best.items() if b >= least}
    plurals = noun_plurals(attested)
    kept_forms |= {p for p, singulars in plurals.items() if singulars & kept_forms}
    wanted = [e for e in attested if e.form in kept_forms]
    voice = Espeak(os.path.join(src.cache_dir, "ipa-cache.json"))
    notes = littre_notes.read_notes() if littre_notes.available() else {}
    pronouncer = Pronouncer(voice, VerseCount(notes))
    pronouncer.prepare(wanted)
    voice.save()
    lines = build_lines(wanted, pronouncer, figures, report)
    unquoted, quoted = lower_english_loans(lines, lambda form: littre.form_count(counts, form) > 0)
    report.add("Emprunts anglais en -er dits « eur », ou « èr » et écrits comme un verbe", [
        "fréquence réduite : jamais cités (ou homographes d'un mot français) %d, à %.2f ; cités %d, à %.2f"
        % (unquoted, ENGLISH_LOAN_SHARE, quoted, QUOTED_LOAN_SHARE)])
    chosen = choose(lines, key, report, plurals=plurals)
    _review_against_dictionary(chosen, notes, src, report, pronouncer)
    assert 70000 <= len(chosen) <= MAX_LINES, len(chosen)
    _commonness_sources(common, attested, chosen, report)
    _coverage(common, attested, chosen, report)
    return chosen, lexicon, pronouncer


COMMON_TENSES = {"Ip", "Iq", "If", "K", "Sp"}


def wanted_forms(entries):
    """The forms a poet expects of a common lemma: itself, its plurals and
    feminines, infinitive and participles, every person of the present,
    imperfect, future, conditional and present subjunctive, and the third
    persons of the simple past."""
    out = set()
    for e in entries:
        if e.variant != "*":
            continue
        if not e.conjugated or set(e.tags) & COMMON_TENSES or (
                "Is" in e.tags and set(e.tags) & {"3s", "3p"}):
            out.add(e.form)
    return out


def _coverage(common, entries, chosen, report, top=2000):
    """How much of the commonest lemmas the list holds."""
    # a lemma is a verb or a word of another kind: the noun "officier" is common,
    # the verb is not
    by_lemma = collections.defaultdict(list)
    for e in entries:
        if " " not in e.lemma:
            by_lemma[(e.lemma, e.is_verb)].append(e)
    ranked = sorted(by_lemma, key=lambda l: (-common.reading_uses.get(l, 0), l))[:top]
    held = {l.headword for l in chosen}
    forms_total = forms_held = lemmas_whole = 0
    missing = []
    for lemma in ranked:
        wanted = wanted_forms(by_lemma[lemma])
        have = wanted & held
        forms_total += len(wanted)
        forms_held += len(have)
        lemmas_whole += have == wanted
        missing.extend(sorted(wanted - have))
    report.add("Couverture des %d lemmes les plus fréquents" % top, [
        "lemmes présents : %d ; lemmes avec toutes leurs formes courantes : %d"
        % (sum(1 for l in ranked if l[0] in held or wanted_forms(by_lemma[l]) & held), lemmas_whole),
        "formes courantes : %d sur %d (%.2f %%)" % (forms_held, forms_total,
                                                  100.0 * forms_held / max(1, forms_total)),
        "formes absentes (exemples) : " + ", ".join(missing[:40]),
    ])
    return forms_held, forms_total


def _commonness_sources(common, attested, chosen, report):
    """Which signs brought the lines in: a line's lemma is counted under the
    first sign it has (quotations, thesaurus, word family, today's dictionary)."""
    lemma_of = {}
    for e in attested:
        lemma_of.setdefault(e.form, e.lemma)
    signs = collections.Counter()
    for line in chosen:
        lemma = lemma_of.get(line.headword, line.headword)
        if common.uses.get(lemma, 0) > 0:
            signs["citations"] += 1
        elif common.thesaurus.get(lemma, 0) > 0:
            signs["dictionnaire des synonymes"] += 1
        elif common.family.get(lemma, 0) > 0:
            signs["famille de mots"] += 1
        elif lemma in common.modern:
            signs["dictionnaire courant (hunspell)"] += 1
        else:
            signs["forme citée ou listée"] += 1
    report.add("Sources de la fréquence", [
        "poids : citations 1 par emploi ; synonymes 3 par liste (2 si mot-vedette jamais cité) ; "
        "famille 4 par mot dérivé (5 au plus) ; dictionnaire courant 2",
        "lignes par première source : " + ", ".join("%s %d" % kv for kv in sorted(signs.items())),
        "lemmes du dictionnaire courant : %d" % len(common.modern),
    ])


def _review_against_dictionary(lines, notes, src, report, pronouncer):
    if not notes:
        report.add("Notes du dictionnaire", ["absentes : pas de comparaison"])
        return
    finals, counts = littre_review.disagreements(lines, notes)
    compared = len({l.headword for l in lines if not l.conjugated and l.headword in notes})
    littre_review.write(os.path.join(src.cache_dir, "littre-review.txt"), finals, counts, compared)
    apart = {r[1] for r in finals} | {r[1] for r in counts}
    report.add("Notes du dictionnaire", [
        "mots comparés : %d ; en accord (consonne finale et syllabes) : %.2f %%"
        % (compared, 100.0 * (compared - len(apart)) / max(1, compared)),
        "consonne finale dite ou muette, désaccords : %d" % len(finals),
        "syllabes, désaccords : %d" % len(counts),
        "diérèses prises des notes : %d lignes" % pronouncer.verse.changed,
    ])


def _largest(counter, n=12):
    return ", ".join("%s %d" % (k, v) for k, v in counter.most_common(n))


def build(args):
    report = Report()
    src = Sources(args.cache)
    src.check()
    key = cipher.read_key(os.path.join(args.repo, "src/lexicon/WordKey.h"))
    data = os.path.join(args.repo, "data")

    thes = thesaurus.read_thesaurus(src.thesaurus_path)
    common = thesaurus.commonness(thes)

    lines, lexicon, pronouncer = _word_list(src, key, report, common, thes)
    write_bytes(os.path.join(data, "3_LISTE_DES_MOTS.103"),
                lines_crlf([l.record(key) for l in lines]) + b"\0\0\0")
    exact = soundlists.exact_sounds(lines)
    approx = soundlists.approx_sounds(lines)
    write_bytes(os.path.join(data, "1_SONORES_EXACTES.101"), soundlists.exact_file(exact))
    write_bytes(os.path.join(data, "2_SONORES_APP.102"), soundlists.approx_file(approx))

    words = spelling.letter_lists(forms.spelling_forms(lexicon))
    for i, letter in enumerate(sorted(words)):
        write_bytes(os.path.join(data, "dico", "DICO%s.%d" % (letter.upper(), 201 + i)),
                    spelling.list_file(words[letter]))

    syn_entries = synonyms.clean_entries(thes, report)
    blocks = synonyms.build_blocks(syn_entries, key, common, report)
    write_bytes(os.path.join(data, "listsyno.ret"), synonyms.file_bytes(blocks, syn_entries, key))

    sounds = collections.defaultdict(set)
    for l in lines:
        if not l.conjugated:  # homophones are lemmas: "violent" is not "viole"
            sounds[l.headword].add(l.phonemes)
    homo = homonyms.file_lines(homonyms.homonym_lines(src.load_homophones(), common, sounds))
    write_bytes(os.path.join(data, "listhomo.ret"), lines_crlf(homo))

    all_forms = [w for ws in words.values() for w in ws]
    anacyclics, palindromes = wordgames.word_games(all_forms)
    write_bytes(os.path.join(data, "anacycliques.txt"), lines_crlf(anacyclics, "ascii"))
    write_bytes(os.path.join(data, "palindromes.txt"), lines_crlf(palindromes, "ascii"))
    aspirated_h.write(os.path.join(data, "h_aspire.txt"))

    block_sizes = [len(blocks[chr(c)]) for c in range(ord("A"), ord("Z") + 1)]
    write_bytes(os.path.join(args.repo, "src/lexicon/DataSizes.h"),
                datasizes.header_text(block_sizes, len(homo), len(anacyclics), len(palindromes),
                                          len(lines), len(exact), len(approx)).encode())
    write_bytes(os.path.join(data, "SOURCES.md"), _sources_text(src).encode("utf-8"))

    per_cat = collections.Counter()
    for l in lines:
        for c in l.categories_text().split(";"):
            per_cat[c] += 1
    exact_groups = collections.Counter(l.exact for l in lines)
    approx_groups = collections.Counter(l.approx for l in lines)
    report.add("Liste des mots", [
        "lignes : %d (conjuguées : %d, %.1f %%) ; capacité : %d" % (
            len(lines), sum(l.conjugated for l in lines),
            100.0 * sum(l.conjugated for l in lines) / max(1, len(lines)), MAX_LINES),
        "par catégorie : " + ", ".join("%s %d" % kv for kv in sorted(per_cat.items())),
        "sons exacts distincts : %d ; sons approchés distincts : %d" % (len(exact), len(approx)),
        "plus grands groupes exacts : " + _largest(exact_groups),
        "plus grands groupes approchés : " + _largest(approx_groups),
        "groupes exacts de plus de 500 lignes : %d" % sum(1 for v in exact_groups.values() if v > 500),
        "prononciations : " + ", ".join("%s %d" % kv for kv in sorted(report.how.items())),
        "lues en anglais par la voix (après réécriture) : %d" % len(pronouncer.english),
    ])
    report.add("Orthographe", ["mots : %d" % sum(len(v) for v in words.values()),
                               " ".join("%s:%d" % (k.upper(), len(v)) for k, v in sorted(words.items()))])
    report.add("Synonymes", ["lignes : %d" % sum(block_sizes),
                             "blocs : " + " ".join("%s:%d" % (chr(65 + i), n) for i, n in enumerate(block_sizes))])
    report.add("Homonymes", ["lignes : %d" % len(homo)])
    report.add("Jeux de mots", ["anacycliques : %d, palindromes : %d" % (len(anacyclics), len(palindromes))])
    with open(os.path.join(src.cache_dir, "english.txt"), "w", encoding="utf-8") as f:
        for l in lines:
            if l.how == "english":
                f.write("%s\t%s\t%s\n" % (l.headword, "".join(l.phonemes), l.exact))
    text = report.text()
    print(text)
    with open(os.path.join(src.cache_dir, "report.txt"), "w", encoding="utf-8") as f:
        f.write(text)


# Why the program's licence fits the licences of its data sources.
LICENCE_NOTE = """
## Licence of the program

The program's own code is under the GPL-3.0-or-later (`LICENSE`). The sources
of its data allow that licence:

- grammalecte: Debian's copyright file gives the package's files the GPL-3 by
  default (`Files: *`, which covers `fr-allvars.json` and `phonet_data.py`) and
  the MPL-2.0 to a list of named files; upstream publishes its lexicon under
  the MPL-2.0. Both fit: GPL-3 data built into GPL-3-or-later code make a whole
  that is distributed under the GPL version 3, and section 3.3 of the MPL-2.0
  lets MPL-covered data go into a larger work under the GPL (the lexicon
  carries no "Incompatible With Secondary Licenses" notice).
- mythes-fr (`thes_fr.dat`, LGPL-2.1+): section 3 of the LGPL 2.1 lets the data
  be used under the GPL version 2 or later, so under the GPL-3.
- espeak-ng (GPL-3+) is only run while building the data.

So `versalune` and `rimes`, with the data built into them and the data files
beside them, are distributed under the GPL version 3 (or later, where every
part allows it); `/usr/share/doc/versalune/copyright` says it file by file.
"""


def _sources_text(src):
    rows = []
    for package, (what, licence) in PACKAGES.items():
        rows.append("| `%s` | %s | %s | %s |" % (package, src.versions.get(package, "?"), what, licence))
    return (
        "# Sources of the shipped data\n\n"
        "Built by `tools/lexicon/build.sh` from these Debian packages only (Debian 12).\n\n"
        "| Package | Version | Used for | Licence |\n|---|---|---|---|\n" + "\n".join(rows) + "\n\n"
        "- Word list and sound lists: forms, lemmas and tags of the grammalecte lexicon "
        "(`fr-allvars.json`, common, classic and modern spellings), pronounced by espeak-ng's "
        "French voice, with the mends of `tools/lexicon/lexbuild/mends.py` and "
        "`tools/lexicon/lexbuild/pronounce.py`.\n"
        "- Commonness (which forms the word list holds, and its order): every word of the "
        "literary quotations of stardict-xmlittre (`XMLittre.dict.dz`, the passages in "
        "`#0000CD`, without the Old French \"historique\" sections; a capital inside a "
        "sentence marks a name and is not counted) is counted by form, and the expressions "
        "of the thesaurus where their words follow each other. A lemma's figure is the count "
        "of its forms (a form shared by several lemmas is shared out in proportion to their "
        "other forms) + 3 per synonym list of mythes-fr holding it (2 when the dictionary "
        "has the word as a headword yet never quotes it) + 4 per word made from it (at most "
        "5). A form's figure is the larger of its own count and its lemma's figure times the "
        "share of its kind (plural 0.6, feminine 0.5, infinitive 0.4, third person singular "
        "of the present 0.12, any person of the present, imperfect, future, conditional and "
        "present subjunctive at least 0.05, \"nous\" of the simple past 0.0005, ...: "
        "`tools/lexicon/lexbuild/commonness.py`), on a log scale "
        "(log2(1 + uses), two decimals). Today's French: a noun, adjective, adverb or "
        "interjection or verb that hunspell's French dictionary (hunspell-fr-comprehensive, "
        "`fr.dic`) has as a stem and the grammalecte lexicon in its common spelling gets 2 "
        "pseudo-uses (`lexbuild/modern.py`), as much as two quotations: \"internet\", "
        "\"kiwi\", \"yaourt\" have their lines before the rare persons of quoted verbs. English loans in \"-er\" said "
        "\"-eur\" (\"bunker\", \"speaker\") that no quotation uses, or that share their spelling with a French "
        "word (\"ranger\"), keep 0.4 of their figure, the quoted ones (\"quaker\") 0.75; so do "
        "the nouns said \"-èr\" that are spelt as a French verb (\"supporter\", \"poster\"). "
        "Weighed and not used: grammalecte's tags carry no frequency or \"common\" mark in "
        "the compiled lexicon (its marks are the spelling variant, symbols `;S`, unit names "
        "`;U`, loans `;é`, demonyms `#G`, languages `#L`), so the common spelling (`*`) is the "
        "only sign it gives; the homophone sets hold words that are already counted; hunspell's "
        "`.dic` carries parts of speech (`po:`) and no frequency. A word with none of these "
        "signs is left out, and so are the persons of the simple past and imperfect "
        "subjunctive that no quotation uses (\"abaissassions\"). The word list holds "
        "every other headword, commonest first (of equal figures the shorter word first, then "
        "dictionary order), up to the program's capacity "
        "(`WordList::Capacity` in `src/lexicon/WordList.h`, which the build reads), less 2,000 "
        "lines; a noun in the list brings its plural with it (\"kiwi\", \"kiwis\"), the plural "
        "standing at the place of its own figure. The plural of a feminine lemma (\"tables\") "
        "takes the plural's share, not the feminine plural's.\n"
        "- Spelling lists and anacyclics/palindromes: every lower-case grammalecte form "
        "(all spelling variants) that Latin-1 can write.\n"
        "- Synonyms: mythes-fr `thes_fr.dat`, every headword with the synonyms of all its meanings.\n"
        "- Homonyms: grammalecte's homophone sets (`grammalecte/fr/phonet_data.py`), lemmas "
        "that the thesaurus knows.\n"
        "- Verse syllables and a second opinion on pronunciation: the pronunciation notes of "
        "stardict-xmlittre (syllabified, the mute e marked, some with the count in verse) "
        "give the diérèses verse takes, and the words where they and the mended voice "
        "disagree are listed for review (`cache/littre-review.txt`).\n"
        "- The data files are derived works of these sources and are shipped under their "
        "licences: the GPL-3 (MPL-2.0 upstream) for data from the grammalecte lexicon, "
        "LGPL-2.1+ for data from mythes-fr; espeak-ng (GPL-3+) is only run as a tool.\n" + LICENCE_NOTE)


def main(argv=None):
    p = argparse.ArgumentParser(description="Build the program's French data.")
    p.add_argument("--cache", default=os.path.join(HERE, "cache"))
    p.add_argument("--repo", default=REPO)
    build(p.parse_args(argv))
