#!/usr/bin/env bash
# cmake --install do tymczasowego prefiksu: wpis menu przechodzi desktop-file-validate,
# ikona i przykladowa usluga sa na miejscu, oba programy startuja z --version.
# Uzycie: instalacja.sh <folder budowania>. Kod 77 = pominiety.
set -eu
command -v desktop-file-validate >/dev/null || { echo "POMINIETY: brak desktop-file-validate"; exit 77; }
PREFIKS=$(mktemp -d)
trap 'rm -rf "$PREFIKS"' EXIT
cmake --install "$1" --prefix "$PREFIKS" >/dev/null
WPIS="$PREFIKS/share/applications/talvarin.desktop"
desktop-file-validate "$WPIS"
ikona=$(sed -n 's/^Icon=//p' "$WPIS")
grep -q '<svg' "$PREFIKS/share/icons/hicolor/scalable/apps/$ikona.svg"
grep -qx "ExecStart=$PREFIKS/bin/talvarin-wezel --katalog /var/lib/talvarin --port 1700" \
  "$PREFIKS/share/doc/talvarin/examples/talvarin-wezel.service"
"$PREFIKS/bin/talvarin-wezel" --version | grep -q '^talvarin-wezel [0-9]'
# Bez okna: --version konczy program, zanim powstanie aplikacja Qt.
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM= "$PREFIKS/bin/talvarin" --version | grep -q '^talvarin [0-9]'
echo OK
