#!/usr/bin/env bash
# Builds the Debian package of Kirveno LT from a Release build: build/package/kirveno_<version>_<arch>.deb.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
kirveno_install dpkg-dev # dpkg-shlibdeps, for the package's dependencies
cmake -S . -B build/package -G Ninja -DCMAKE_BUILD_TYPE=Release -DKIRVENO_TESTS=OFF
cmake --build build/package
(cd build/package && cpack -G DEB)
