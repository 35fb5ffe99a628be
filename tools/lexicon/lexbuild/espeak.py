"""Batch IPA from espeak-ng's French voice, with a cache on disk."""
import concurrent.futures
import json
import os
import shutil
import subprocess

CHUNK = 2000


def available():
    return shutil.which("espeak-ng") is not None


def _run(words):
    text = "\n".join(words) + "\n"
    out = subprocess.run(["espeak-ng", "-q", "--ipa", "-v", "fr"], input=text,
                         capture_output=True, text=True, check=True).stdout
    lines = out.split("\n")
    if lines and lines[-1] == "":
        lines.pop()
    if len(lines) == len(words):
        return [l.strip() for l in lines]
    if len(words) == 1:
        return [" ".join(l.strip() for l in lines)]
    # A word that the voice read as two clauses shifted the lines: split and retry.
    half = len(words) // 2
    return _run(words[:half]) + _run(words[half:])


class Espeak:
    def __init__(self, cache_file=None, jobs=2):
        self.cache_file = cache_file
        self.jobs = jobs
        self.cache = {}
        self.version = ""
        if available():
            self.version = subprocess.run(["espeak-ng", "--version"], capture_output=True,
                                          text=True).stdout.strip()
        if cache_file and os.path.exists(cache_file):
            with open(cache_file, encoding="utf-8") as f:
                data = json.load(f)
            if data.get("version") == self.version:
                self.cache = data.get("ipa", {})

    def save(self):
        if self.cache_file:
            os.makedirs(os.path.dirname(self.cache_file), exist_ok=True)
            tmp = self.cache_file + ".tmp"
            with open(tmp, "w", encoding="utf-8") as f:
                json.dump({"version": self.version, "ipa": self.cache}, f, ensure_ascii=False,
                          sort_keys=True)
            os.replace(tmp, self.cache_file)

    def ipa_many(self, words):
        """IPA of every word (a dict), asking the voice only for words not in the cache."""
        todo = sorted({w for w in words if w not in self.cache})
        if todo:
            if not available():
                raise RuntimeError("espeak-ng is not installed")
            chunks = [todo[i:i + CHUNK] for i in range(0, len(todo), CHUNK)]
            with concurrent.futures.ThreadPoolExecutor(max_workers=self.jobs) as pool:
                for chunk, result in zip(chunks, pool.map(_run, chunks)):
                    self.cache.update(zip(chunk, result))
        return {w: self.cache[w] for w in words}
