#!/usr/bin/env bash
# Builds the Debian package build/versalune_<version>-1_<arch>.deb (run as root
# on Debian 12). Install it with: apt install ./build/versalune_*.deb
#
# The package is built apart, in build-package/, with Debian's hardening
# flags (dpkg-buildflags) and only what it ships: no tests, benchmarks or
# fuzz harnesses.
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev, file) reads the program's library dependencies for the package.
bash scripts/install-deps.sh dpkg-dev file
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
# CMake reads CXXFLAGS and LDFLAGS but not CPPFLAGS: the preprocessor flags
# (_FORTIFY_SOURCE) go with the compiler's.
export CXXFLAGS="$CPPFLAGS $CXXFLAGS" CFLAGS="$CPPFLAGS $CFLAGS"
rm -rf build-package
cmake -S . -B build-package -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVERSALUNE_FUZZ=OFF -DVERSALUNE_BENCH=OFF -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build build-package -j"$(nproc)" --target versalune rimes man_pages package_docs
(cd build-package && cpack -G DEB)
mkdir -p build
cp build-package/versalune_*.deb build/
