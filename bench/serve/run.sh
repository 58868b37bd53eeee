#!/bin/sh
# Load figures for pelmoro-serve: distinct faces (no cache help), then one cached face,
# 10 s each with 64 connections, then the service's resident memory.
# Usage: bench/serve/run.sh [build dir]   (needs wrk)
set -eu
here=$(dirname "$0")
build=${1:-build}
port=18089
"$build/serve/pelmoro-serve" --listen 127.0.0.1:$port &
pid=$!
trap 'kill $pid 2>/dev/null' EXIT
sleep 1
echo "== distinct faces, PNG 224 =="
wrk -t2 -c64 -d10s --latency -s "$here/walk_seeds.lua" http://127.0.0.1:$port/
echo "== one cached face =="
wrk -t2 -c64 -d10s --latency http://127.0.0.1:$port/face/7.png
echo "== resident memory =="
grep VmRSS /proc/$pid/status
uptime
