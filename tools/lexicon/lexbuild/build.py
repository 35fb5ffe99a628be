"""Builds every data file of the program from the unpacked Debian packages."""
import argparse
import collections
import os

from . import (cipher, datasizes, forms, homonyms, littre_notes, littre_review, soundlists, spelling,
               synonyms, thesaurus, wordgames)
from .espeak import Espeak
from .pronounce import Pronouncer
from .report import Report
from .verse import VerseCount
from .sources import PACKAGES, Sources
from .wordlist import MAX_LINES, build_lines, choose
from .writers import lines_crlf, write_bytes

HERE = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
REPO = os.path.dirname(os.path.dirname(HERE))


def _word_list(src, key, report, common, thes):
    lexicon = src.load_lexicon()
    entries = forms.read_entries(lexicon, report)
    entries += forms.expressions(thes, {e.form for e in entries})
    # forms that could never be chosen are not worth asking the voice about
    wanted = [e for e in entries
              if not (e.conjugated and max(common.get(e.lemma, 0), common.get(e.form, 0)) == 0)]
    voice = Espeak(os.path.join(src.cache_dir, "ipa-cache.json"))
    notes = littre_notes.read_notes() if littre_notes.available() else {}
    pronouncer = Pronouncer(voice, VerseCount(notes))
    pronouncer.prepare(wanted)
    voice.save()
    lines = build_lines(wanted, pronouncer, common, report)
    chosen = choose(lines, key, report)
    _review_against_dictionary(chosen, notes, src, report, pronouncer)
    assert 70000 <= len(chosen) <= MAX_LINES, len(chosen)
    return chosen, lexicon, pronouncer


def _review_against_dictionary(lines, notes, src, report, pronouncer):
    if not notes:
        report.add("Notes du dictionnaire", ["absentes : pas de comparaison"])
        return
    finals, counts = littre_review.disagreements(lines, notes)
    compared = len({l.headword for l in lines if not l.conjugated and l.headword in notes})
    littre_review.write(os.path.join(src.cache_dir, "littre-review.txt"), finals, counts, compared)
    report.add("Notes du dictionnaire", [
        "mots comparés : %d" % compared,
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
        "lignes : %d (conjuguées : %d)" % (len(lines), sum(l.conjugated for l in lines)),
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
        "`tools/lexicon/lexbuild/pronounce.py`; commonness from the thesaurus.\n"
        "- Spelling lists and anacyclics/palindromes: every lower-case grammalecte form "
        "(all spelling variants) that Latin-1 can write.\n"
        "- Synonyms: mythes-fr `thes_fr.dat`, every headword with the synonyms of all its meanings.\n"
        "- Homonyms: grammalecte's homophone sets (`grammalecte/fr/phonet_data.py`), lemmas "
        "that the thesaurus knows.\n"
        "- The data files are derived works of these sources and are shipped under their "
        "licences: MPL-2.0 for data from the grammalecte lexicon, LGPL-2.1+ for data from "
        "mythes-fr; espeak-ng (GPL-3+) is only run as a tool.\n")


def main(argv=None):
    p = argparse.ArgumentParser(description="Build the program's French data.")
    p.add_argument("--cache", default=os.path.join(HERE, "cache"))
    p.add_argument("--repo", default=REPO)
    build(p.parse_args(argv))
