#!/usr/bin/env bash
# Builds the Debian package build/versalune_<version>-1_<arch>.deb (run as root
# on Debian 12). Install it with: apt install ./build/versalune_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev, file) reads the program's library dependencies for the package.
bash scripts/install-deps.sh dpkg-dev file
bash scripts/build.sh
(cd build && cpack -G DEB)
