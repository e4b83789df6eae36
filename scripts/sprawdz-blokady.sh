#!/usr/bin/env bash
# Budowa czesci bez Qt clangiem z analiza blokad: dane oznaczone STRZEZONE_PRZEZ czytane albo
# zmieniane bez swojej blokady (albo blokady brane w zlej kolejnosci) przerywaja budowe.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang++ >/dev/null || { apt-get update && apt-get install -y clang; }
katalog="${TALVARIN_BUILD:-build-blokady}"
cmake -S . -B "$katalog" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DTALVARIN_GUI=OFF \
  -DTALVARIN_TESTY=OFF -DTALVARIN_BENCH=OFF "-DCMAKE_CXX_FLAGS=-Wthread-safety -Werror=thread-safety"
cmake --build "$katalog"
echo "blokady: analiza clanga bez zastrzezen"
