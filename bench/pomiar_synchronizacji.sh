#!/usr/bin/env bash
# Pomiar synchronizacji blokami (nie test), na prawdziwych procesach talvarin-wezel w symulowanej
# sieci lokalnej (przestrzenie sieciowe polaczone mostem, jak w testach koncowych):
# - kopiacy wezel z trzema sasiadami: tempo petli kopania i bajty na linii (suma przez most)
#   na nowy blok na sasiada;
# - nowy wezel (sama geneza) z --seed: czas pobrania calego lancucha i szczyt pamieci.
# Uzycie (root, z pakietem time): bash bench/pomiar_synchronizacji.sh KATALOG_BUDOWY N [N...]
set -uo pipefail
BUD=$(cd "$1" && pwd); shift
GEN=$BUD/bench/generuj_lancuch
WEZEL=$BUD/wezel/talvarin-wezel
SEKUNDY=${SEKUNDY:-20}
. "$(dirname "$0")/../tests/siec_lan.sh"
zbuduj_lan 5 # h1 kopie, h2-h4 sasiedzi, h5 nowy wezel

# Bajty, ktore przeszly przez most (kazdy pakiet raz: wysylka z mostu do hosta).
bajty() { ip netns exec "$P-br" sed 's/:/ /' /proc/net/dev | awk '$1 ~ /^tv/ { s += $10 } END { print s }'; }
wykopane() { grep -c "SUKCES" "$1" || true; }
# Czas procesora (w taktach) wszystkich procesow wezla w folderze danych $1.
procesor() {
  local s=0
  for pid in $(pgrep -f "^$WEZEL --katalog $1( |$)"); do
    s=$((s + $(awk '{ print $14 + $15 }' "/proc/$pid/stat" 2>/dev/null || echo 0)))
  done
  echo "$s"
}
czekaj_na() { for _ in $(seq 900); do grep -q "$2" "$1" 2>/dev/null && return 0; sleep 0.2; done; return 1; }
uruchom() { local h=$1; shift; ip netns exec "$P-h$h" "$@" & PIDY+=($!); }
zatrzymaj() { for pid in "${PIDY[@]}"; do kill -TERM "$pid" 2>/dev/null; done; for pid in "${PIDY[@]}"; do wait "$pid" 2>/dev/null; done; PIDY=(); }

for N in "$@"; do
  "$GEN" "$TMP/wzor.dat" "$N" "$TMP/portfel.dat" || exit 1
  echo "== $N blokow, plik $(stat -c %s "$TMP/wzor.dat") B"
  for h in 1 2 3 4 5; do rm -rf "$TMP/d$h"; install -d -m 700 "$TMP/d$h"; done
  for h in 1 2 3 4; do cp "$TMP/wzor.dat" "$TMP/d$h/blockchain.dat"; done
  cp "$TMP/portfel.dat" "$TMP/d1/moj_portfel.dat"
  for h in 2 3 4; do
    echo "10.77.0.$h 1700 - -" >> "$TMP/d1/wezly.dat"
    uruchom "$h" "$WEZEL" --katalog "$TMP/d$h" --bez-obecnosci > "$TMP/h$h.log" 2>&1
  done
  for h in 2 3 4; do czekaj_na "$TMP/h$h.log" "Wezel dziala"; done
  uruchom 1 "$WEZEL" --katalog "$TMP/d1" --bez-obecnosci --kop > "$TMP/h1.log" 2>&1
  czekaj_na "$TMP/h1.log" "SUKCES"
  # Pierwsze przyjecie u sasiada sprawdza caly lancuch (salda walidacji nie sa zapisywane
  # w pliku): mierzony jest stan ustalony, po nim.
  # Kazdy watek kopiacego, ktory trzyma lancuch (petla, serwer, wypychacz), wczytuje plik
  # w calosci raz na poczatku: dopiero potem tempo jest ustalone.
  for h in 2 3 4; do czekaj_na "$TMP/h$h.log" "Przyjeto nowy"; done
  sleep "${ROZGRZEWKA:-15}"
  b0=$(bajty); k0=$(wykopane "$TMP/h1.log")
  c0=$(procesor "$TMP/d1"); s0=$(( $(procesor "$TMP/d2") + $(procesor "$TMP/d3") + $(procesor "$TMP/d4") ))
  sleep "$SEKUNDY"
  b1=$(bajty); k1=$(wykopane "$TMP/h1.log")
  c1=$(procesor "$TMP/d1"); s1=$(( $(procesor "$TMP/d2") + $(procesor "$TMP/d3") + $(procesor "$TMP/d4") ))
  zatrzymaj
  [ -z "${LOGI:-}" ] || { mkdir -p "$LOGI/$N"; cp "$TMP"/h*.log "$TMP"/d*/wezly.dat "$LOGI/$N/" 2>/dev/null; }
  bloki=$((k1 - k0))
  echo "petla kopania z 3 sasiadami: $bloki blokow w $SEKUNDY s = $(awk "BEGIN{printf \"%.2f\", $bloki/$SEKUNDY}") blokow/s"
  echo "bajty na linii na nowy blok na sasiada: $(( (b1 - b0) / (bloki * 3) ))"
  echo "procesor w oknie pomiaru: kopiacy $(( (c1 - c0) * 10 )) ms, trzej sasiedzi $(( (s1 - s0) * 10 )) ms (na blok $(( (s1 - s0) * 10 / bloki )) ms)"
  # Nowy wezel pobiera od h2 (ktory ma juz bloki kopiacego).
  uruchom 2 "$WEZEL" --katalog "$TMP/d2" --bez-obecnosci > "$TMP/h2b.log" 2>&1
  czekaj_na "$TMP/h2b.log" "Wezel dziala"
  cel=$(stat -c %s "$TMP/d2/blockchain.dat")
  start=$(date +%s%N)
  uruchom 5 /usr/bin/time -f "%M" -o "$TMP/h5.rss" "$WEZEL" --katalog "$TMP/d5" --bez-obecnosci \
    --seed 10.77.0.2:1700 > "$TMP/h5.log" 2>&1
  for _ in $(seq 3000); do
    [ "$(stat -c %s "$TMP/d5/blockchain.dat" 2>/dev/null || echo 0)" = "$cel" ] \
      && cmp -s "$TMP/d5/blockchain.dat" "$TMP/d2/blockchain.dat" && break
    sleep 0.1
  done
  ms=$(( ($(date +%s%N) - start) / 1000000 ))
  cmp -s "$TMP/d5/blockchain.dat" "$TMP/d2/blockchain.dat" && wynik=taki-sam || wynik=INNY
  # SIGTERM do wezla pod /usr/bin/time, zeby ten zdazyl zapisac szczyt pamieci.
  pkill -TERM -f "^$WEZEL --katalog $TMP/d5"; sleep 1
  zatrzymaj
  [ -z "${LOGI:-}" ] || cp "$TMP/h5.log" "$TMP/h2b.log" "$TMP/d5/blockchain.dat" "$LOGI/$N/" 2>/dev/null
  [ -z "${LOGI:-}" ] || cp "$TMP/d2/blockchain.dat" "$LOGI/$N/h2-blockchain.dat"
  echo "pobranie calego lancucha przez nowy wezel: $ms ms, plik $wynik, szczyt pamieci $(( $(cat "$TMP/h5.rss") / 1024 )) MiB"
done
