#!/usr/bin/env bash
# Builds a release of Pelmoro and writes its Debian package into dist/:
#   bash scripts/package.sh          -> dist/pelmoro_<version>-1_<arch>.deb
# Install it with: sudo apt-get install ./dist/pelmoro_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

build=build-release
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DPELMORO_TESTS=OFF >/dev/null
cmake --build "$build" -j"$jobs"

# CPack works in the build folder; only the package goes to dist/.
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB -B "$PWD/packages" >/dev/null)
mkdir -p dist
for package in "$build"/packages/*.deb; do
  cp "$package" dist/
  echo "package: dist/$(basename "$package")"
  dpkg-deb --field "$package" Package Version Depends | sed 's/^/  /'
done
