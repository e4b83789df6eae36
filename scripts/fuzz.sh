#!/usr/bin/env bash
# Buduje cele libFuzzer clangiem i uruchamia kazdy przez ograniczony czas.
set -euo pipefail
cd "$(dirname "$0")/.."
sekundy="${1:-45}"

bash scripts/zainstaluj.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTALVARIN_FUZZ=ON -DTALVARIN_TESTY=OFF -DTALVARIN_BENCH=OFF -DTALVARIN_SANITIZE=address,undefined
cmake --build build-fuzz --target fuzz_wszystkie

mkdir -p build-fuzz/artefakty
for cel in build-fuzz/fuzz/fuzz_*; do
  [ -x "$cel" ] || continue
  nazwa="$(basename "$cel")"
  korpus="fuzz/korpus/${nazwa#fuzz_}"
  roboczy="build-fuzz/korpus-$nazwa"
  mkdir -p "$roboczy"
  echo "-- $nazwa przez ${sekundy}s"
  unshare -n "$cel" -max_total_time="$sekundy" -timeout=10 -rss_limit_mb=4096 \
    -artifact_prefix=build-fuzz/artefakty/ -print_final_stats=1 "$roboczy" "$korpus" 2>&1 | tail -n 12
done
