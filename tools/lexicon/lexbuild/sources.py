"""Where the build finds its sources: Debian packages unpacked under the cache."""
import glob
import os
import subprocess
import sys

PACKAGES = {
    # package: (what it gives, licence as its copyright file states it)
    "libreoffice-grammalecte": ("forms, lemmas, tags and homophone sets",
                                "GPL-3 (Debian's copyright, Files: *); MPL-2.0 upstream for the lexicon"),
    "mythes-fr": ("thesaurus of synonyms", "LGPL-2.1+"),
    "hunspell-fr-comprehensive": ("commonness: the stems of today's general dictionary (fr.dic)", "MPL-2.0"),
    "espeak-ng": ("pronunciations (French voice)", "GPL-3+"),
    "stardict-xmlittre": ("commonness (word counts in its literary quotations), verse syllables and a second opinion on pronunciation (its pronunciation notes)",
                          "public domain (dictionary text), GPL-2+ (XML markup)"),
}


class Sources:
    """Paths into the unpacked packages and their versions."""

    def __init__(self, cache_dir):
        self.cache_dir = os.path.abspath(cache_dir)
        self.root = os.path.join(self.cache_dir, "root")
        self.versions = {}

    @property
    def grammalecte_path(self):
        return os.path.join(self.root, "usr/lib/libreoffice/share/extensions/grammalecte/pythonpath")

    @property
    def thesaurus_path(self):
        return os.path.join(self.root, "usr/share/mythes/thes_fr.dat")

    @property
    def hunspell_path(self):
        return os.path.join(self.root, "usr/share/hunspell/fr.dic")

    @property
    def littre_dir(self):
        """The dictionary is installed, not unpacked: its files are read where Debian puts them."""
        return os.environ.get("LEXICON_LITTRE_DIR", "/usr/share/stardict/dic")

    def copyright_path(self, package):
        local = os.path.join(self.root, "usr/share/doc", package, "copyright")
        if os.path.exists(local):
            return local
        return os.path.join("/usr/share/doc", package, "copyright")

    def check(self):
        missing = [p for p in (self.grammalecte_path, self.thesaurus_path, self.hunspell_path,
                               os.path.join(self.littre_dir, "XMLittre.idx")) if not os.path.exists(p)]
        if missing:
            sys.exit("sources missing (run tools/lexicon/build.sh): " + ", ".join(missing))
        self.versions = {}
        for deb in sorted(glob.glob(os.path.join(self.cache_dir, "debs", "*.deb"))):
            name = subprocess.run(["dpkg-deb", "-f", deb, "Package"], capture_output=True, text=True).stdout.strip()
            version = subprocess.run(["dpkg-deb", "-f", deb, "Version"], capture_output=True, text=True).stdout.strip()
            self.versions[name] = version
        for package in ("espeak-ng", "stardict-xmlittre"):
            out = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", package], capture_output=True, text=True)
            self.versions[package] = out.stdout.strip() or "unknown"
        out = subprocess.run(["dpkg-query", "-W", "-f", "${Version}", "espeak-ng-data"], capture_output=True, text=True)
        if out.stdout.strip():
            self.versions["espeak-ng-data"] = out.stdout.strip()

    def load_lexicon(self, dictionary="fr-allvars.json"):
        if self.grammalecte_path not in sys.path:
            sys.path.insert(0, self.grammalecte_path)
        from grammalecte.graphspell.ibdawg import IBDAWG  # noqa: E402 (from the unpacked package)
        return IBDAWG(dictionary)

    def load_homophones(self):
        if self.grammalecte_path not in sys.path:
            sys.path.insert(0, self.grammalecte_path)
        from grammalecte.fr import phonet_data  # noqa: E402
        return phonet_data
