#!/usr/bin/env bash
# Installs what the build, the tests and the program need on Debian 12 (run as
# root), and the packages named as arguments (what another script needs).
# The tests of the installed copy check it with desktop-file-utils, appstream
# and man-db; clang brings libFuzzer and the sanitizers for the fuzz harnesses.
set -euo pipefail
packages=(cmake g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
          libbenchmark-dev python3 xvfb xauth fonts-dejavu-core
          qt6-translations-l10n clang
          desktop-file-utils appstream man-db "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
