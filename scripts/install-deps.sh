#!/usr/bin/env bash
# Installs the Debian 12 packages Pelmoro needs to build, test and run. Safe to run again:
# it installs only what is missing and says what that is.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config   # compiler and build tools
  qt6-base-dev                                    # Qt 6 Widgets for the desktop program
  qt6-image-formats-plugins                       # tests: exported TIFF and WebP read back by Qt
  libpng-dev libturbojpeg0-dev libtiff-dev libgif-dev  # picture encoders
  libwebp-dev                                     # WebP pictures and animations
  libcli11-dev                                    # pelmoro-render's option parser (header-only)
  libcpp-httplib-dev                              # pelmoro-serve's HTTP server
  libcairo2-dev                                   # smooth pictures at any size, SVG and PDF
  libgtest-dev libbenchmark-dev                   # tests and benchmarks
  librsvg2-bin poppler-utils                      # tests: SVG, PDF and the scalable icon read by others
  strace util-linux                               # tests: a write held mid-way, another user, a small disk
  fonts-dejavu-core                               # a font for the window's texts
  xvfb xauth x11-utils imagemagick                # screenshots on a virtual display; identify in the
                                                  #   install test
  scdoc gzip                                      # the manual pages, built from docs/man
  dpkg-dev                                        # the Debian package: dpkg-shlibdeps
  desktop-file-utils appstream libxml2-utils      # checks of the installed tree: launcher entry,
  shared-mime-info libglib2.0-bin                 #   AppStream data, MIME package and database,
  man-db bsdextrautils                            #   scalable icon, manual pages (man, col)
)
if [ "${PELMORO_WITH_FUZZ:-0}" = 1 ]; then
  packages+=(clang-14 libclang-rt-14-dev)         # libFuzzer
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all ${#packages[@]} packages are already installed"
  exit 0
fi
echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "install-deps: done"
