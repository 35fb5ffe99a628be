#!/usr/bin/env bash
# Builds the Debian package build/versalune_<version>-1_<arch>.deb (run as root
# on Debian 12). Install it with: apt install ./build/versalune_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
# dpkg-shlibdeps reads the program's library dependencies for the package.
missing=()
for p in dpkg-dev file; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
bash scripts/build.sh
(cd build && cpack -G DEB)
