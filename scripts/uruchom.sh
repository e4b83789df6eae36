#!/usr/bin/env bash
# Instaluje zaleznosci, buduje program i uruchamia go w jego wlasnym folderze danych.
set -euo pipefail
zrodla="$(cd "$(dirname "$0")/.." && pwd)"
cd "$zrodla"

bash scripts/zainstaluj.sh
cmake -S . -B build-program -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALVARIN_TESTY=OFF -DTALVARIN_BENCH=OFF
cmake --build build-program --target talvarin

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "UWAGA: brak ekranu. Uruchom przez 'xvfb-run -a bash scripts/uruchom.sh'" \
       "albo z QT_QPA_PLATFORM=offscreen." >&2
fi

# Program czyta i pisze swoje pliki w biezacym folderze: dajemy mu wlasny.
dane="${TALVARIN_DANE:-$HOME/talvarin-dane}"
mkdir -p "$dane"
cd "$dane"
exec "$zrodla/build-program/app/talvarin" "$@"
