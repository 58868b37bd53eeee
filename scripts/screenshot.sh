#!/usr/bin/env bash
# Makes docs/screenshot.png again, the picture of the main window that the README and the
# AppStream data show: builds the program, starts it on a virtual X display (Xvfb) on a
# fixed face (PELMORO_SEED, default 7), and captures its window.
#   bash scripts/screenshot.sh [OUTPUT.png]
set -euo pipefail

# On the virtual display (the script runs itself there): starts the program, waits for
# its window (the one named "Pelmoro" that is larger than Qt's hidden helper window),
# captures it and ends the program.
if [ "${1:-}" = --on-display ]; then
  program=$2 output=$3 window=""
  QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  trap 'kill "$pid" 2>/dev/null || true' EXIT
  for _ in $(seq 100); do
    window=$(xwininfo -root -tree | awk '/"Pelmoro"/ { split($(NF - 1), size, "[x+]"); if (size[1] > 100) { print $1; exit } }')
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "screenshot: the program ended before it showed its window" >&2; exit 1; }
    sleep 0.1
  done
  [ -n "$window" ] || { echo "screenshot: no window named Pelmoro appeared" >&2; exit 1; }
  sleep 1  # the first paint
  import -window "$window" -strip "$output"
  exit 0
fi

cd "$(dirname "$0")/.."
output=${1:-docs/screenshot.png}
build=${BUILD_DIR:-build}
export PELMORO_SEED=${PELMORO_SEED:-7}

if [ ! -f "$build/CMakeCache.txt" ]; then
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target pelmoro >/dev/null
mkdir -p "$(dirname "$output")"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" --on-display "$(realpath "$build/app/pelmoro")" \
  "$(realpath "$output")"
echo "screenshot: $(identify -format '%w x %h' "$output") written to $output"
