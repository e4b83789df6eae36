#!/usr/bin/env bash
# Pomiar pamieci i startu wezla bez okna na dlugim lancuchu (nie test): serwer i petla kopania
# na pliku z generuj_lancuch, w prywatnej przestrzeni sieciowej (tylko petla zwrotna).
# Wypisuje czas samego wczytania pliku, czas od startu do "Wezel dziala" i szczyt pamieci
# procesu po SEKUNDY sekundach pracy.
# Uzycie (root): bash bench/pomiar_pamieci_wezla.sh KATALOG_BUDOWY PLIK_LANCUCHA [PLIK_PORTFELA]
set -euo pipefail
BUD=$(cd "$1" && pwd)
PLIK=$(realpath "$2")
PORTFEL=${3:-}
SEKUNDY=${SEKUNDY:-30}
if [ "${TALVARIN_W_PRZESTRZENI:-}" != 1 ]; then
  exec unshare -n env TALVARIN_W_PRZESTRZENI=1 bash "$0" "$@"
fi
ip link set lo up
TMP=$(mktemp -d /tmp/talvarin-pomiar-XXXXXX)
trap 'kill -TERM $PID 2>/dev/null; wait $PID 2>/dev/null; rm -rf "$TMP"' EXIT
install -d -m 700 "$TMP/dane"
cp "$PLIK" "$TMP/dane/blockchain.dat"
[ -z "$PORTFEL" ] || cp "$PORTFEL" "$TMP/dane/moj_portfel.dat"

echo "== $(grep -c '^=== BLOK ===$' "$PLIK") blokow, plik $(stat -c %s "$PLIK") B"
"$BUD/bench/pomiar_pamieci_lancucha" "$TMP/dane/blockchain.dat" | sed 's/^/wczytanie pliku: /'

start=$(date +%s.%N)
"$BUD/wezel/talvarin-wezel" --katalog "$TMP/dane" --bez-obecnosci --bez-synchronizacji --kop \
  > "$TMP/wezel.log" 2>&1 &
PID=$!
for _ in $(seq 3000); do grep -q "Wezel dziala" "$TMP/wezel.log" && break; sleep 0.05; done
gotowy=$(date +%s.%N)
echo "start do obslugi: $(awk "BEGIN{printf \"%.2f\", $gotowy - $start}") s"
sleep "$SEKUNDY"
awk '/VmHWM|VmRSS/ { printf "wezel %s %.0f MB\n", $1, $2 / 1024 }' "/proc/$PID/status"
echo "wykopane w $SEKUNDY s: $(grep -c SUKCES "$TMP/wezel.log" || true)"
