#!/usr/bin/env bash
# Uruchamia ctest w nowej przestrzeni sieciowej z samym loopbackiem.
set -euo pipefail
katalog="$(cd "$1" && pwd)"; shift
export QT_QPA_PLATFORM=offscreen
if unshare -n true 2>/dev/null; then
  exec unshare -n sh -c 'ip link set lo up && exec ctest --test-dir "$0" --output-on-failure -j2 --timeout 600 "$@"' "$katalog" "$@"
fi
echo "UWAGA: brak unshare -n; testy sieciowe w przestrzeniach nazw zostana pominiete."
export TALVARIN_BEZ_NETNS=1
exec ctest --test-dir "$katalog" --output-on-failure -j2 --timeout 600 "$@"
