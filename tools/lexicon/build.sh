#!/bin/sh
# Installs the sources (Debian packages), builds every data file into data/
# and prints the report. Run as root on Debian 12.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cache="$here/cache"
mkdir -p "$cache/debs" "$cache/root"

if [ "${LEXICON_NO_APT:-}" != 1 ]; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq espeak-ng stardict-xmlittre python3 >/dev/null
    # The lexicon, thesaurus and spelling dictionary packages are unpacked, not installed: no office suite needed.
    rm -f "$cache/debs/"*.deb
    (cd "$cache/debs" && apt-get download -qq libreoffice-grammalecte mythes-fr hunspell-fr-comprehensive 2>/dev/null)
    rm -rf "$cache/root"
    for deb in "$cache/debs/"*.deb; do
        dpkg -x "$deb" "$cache/root"
    done
fi

cd "$here"
exec python3 -m lexbuild --cache "$cache" "$@"
