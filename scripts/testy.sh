#!/usr/bin/env bash
# Instaluje zaleznosci, buduje wszystko i uruchamia wszystkie testy.
# Testy ida w prywatnej przestrzeni sieciowej: nic nie wychodzi poza nia.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/zainstaluj.sh
bash scripts/sprawdz-warstwy.sh
katalog="${TALVARIN_BUILD:-build}"
cmake -S . -B "$katalog" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
cmake --build "$katalog"
bash scripts/ctest-izolowany.sh "$katalog"
