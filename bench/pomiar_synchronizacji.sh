#!/usr/bin/env bash
# Pomiar synchronizacji blokami (nie test), na prawdziwych procesach talvarin-wezel na 127.0.0.1:
# - kopiacy wezel z trzema sasiadami: tempo petli kopania i bajty na linii (lo) na nowy blok
#   na sasiada;
# - nowy wezel (sama geneza) z --seed: czas pobrania calego lancucha i szczyt pamieci.
# Uzycie (tylko w prywatnej przestrzeni sieciowej):
#   unshare -n bash bench/pomiar_synchronizacji.sh KATALOG_BUDOWY N [N...]
set -euo pipefail
ip link set lo up
BUD=$(cd "$1" && pwd); shift
GEN=$BUD/bench/generuj_lancuch
WEZEL=$BUD/wezel/talvarin-wezel
SEKUNDY=${SEKUNDY:-20}
T=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; wait 2>/dev/null; [ -n "${ZOSTAW:-}" ] || rm -rf "$T"' EXIT

# Licznik z /proc/net/dev tej przestrzeni sieciowej (sysfs pokazuje inna).
bajty() { sed 's/:/ /' /proc/net/dev | awk '$1 == "lo" { print $10 }'; }
wykopane() { grep -c "SUKCES" "$1" || true; }
czekaj_na() { for _ in $(seq 600); do grep -q "$2" "$1" 2>/dev/null && return 0; sleep 0.2; done; return 1; }

for N in "$@"; do
  "$GEN" "$T/wzor.dat" "$N" "$T/portfel.dat"
  echo "== $N blokow, plik $(stat -c %s "$T/wzor.dat") B"
  for w in a p1 p2 p3 c; do rm -rf "$T/$w"; install -d -m 700 "$T/$w"; done
  for w in a p1 p2 p3; do cp "$T/wzor.dat" "$T/$w/blockchain.dat"; done
  cp "$T/portfel.dat" "$T/a/moj_portfel.dat"
  for i in 1 2 3; do
    echo "127.0.0.1 180$i - -" >> "$T/a/wezly.dat"
    "$WEZEL" --katalog "$T/p$i" --port "180$i" --bez-obecnosci > "$T/p$i.log" 2>&1 &
  done
  for i in 1 2 3; do czekaj_na "$T/p$i.log" "Wezel dziala"; done
  "$WEZEL" --katalog "$T/a" --port 1800 --bez-obecnosci --kop > "$T/a.log" 2>&1 &
  A=$!
  czekaj_na "$T/a.log" "SUKCES"
  sleep 3
  b0=$(bajty); k0=$(wykopane "$T/a.log")
  sleep "$SEKUNDY"
  b1=$(bajty); k1=$(wykopane "$T/a.log")
  kill -TERM "$A"; wait "$A" || true
  bloki=$((k1 - k0))
  echo "petla kopania z 3 sasiadami: $bloki blokow w $SEKUNDY s = $(awk "BEGIN{printf \"%.2f\", $bloki/$SEKUNDY}") blokow/s"
  echo "bajty na linii na nowy blok na sasiada: $(( (b1 - b0) / (bloki * 3) ))"
  kill -TERM $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true
  # Nowy wezel pobiera od p1 (ktory ma juz bloki kopiacego).
  "$WEZEL" --katalog "$T/p1" --port 1801 --bez-obecnosci > "$T/p1b.log" 2>&1 &
  czekaj_na "$T/p1b.log" "Wezel dziala"
  cel=$(stat -c %s "$T/p1/blockchain.dat")
  start=$(date +%s%N)
  /usr/bin/time -f "%M" -o "$T/c.rss" "$WEZEL" --katalog "$T/c" --port 1810 --bez-obecnosci \
    --seed 127.0.0.1:1801 > "$T/c.log" 2>&1 &
  C=$!
  for _ in $(seq 3000); do
    [ "$(stat -c %s "$T/c/blockchain.dat" 2>/dev/null || echo 0)" = "$cel" ] && break; sleep 0.1
  done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  cmp -s "$T/c/blockchain.dat" "$T/p1/blockchain.dat" && wynik=taki-sam || wynik=INNY
  kill -TERM "$C"; wait "$C" || true
  echo "pobranie calego lancucha przez nowy wezel: $ms ms, plik $wynik, szczyt pamieci $(( $(cat "$T/c.rss") / 1024 )) MiB"
  kill -TERM $(jobs -p) 2>/dev/null || true; wait 2>/dev/null || true
done
