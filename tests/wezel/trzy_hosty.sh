#!/usr/bin/env bash
# Trzy wezly bez okna w trzech hostach symulowanej sieci lokalnej, jeden z --kop, jeden
# mowiacy tylko wymiana calych lancuchow (--bez-synchronizacji). Pozostale dwa maja wkrotce
# ten sam lancuch co kopiacy; SIGTERM w trakcie kopania konczy go z kodem 0 w czasie ponizej
# 2 s, jego ostatni zapisany blok dociera do obu, a pliki sie wczytuja. Drugi proces na
# folderze dzialajacego wezla odmawia startu. Nowy wezel z samym --seed pobiera caly lancuch.
# Uzycie: trzy_hosty.sh <talvarin-wezel> <sprawdz_lancuch>. Kod 77 = pominiety.
set -u
WEZEL=$1
SPRAWDZ=$2
. "$(dirname "$0")/../siec_lan.sh"
zbuduj_lan 3

# Bez obecnosci, z pierscieniem znanych wezlow (1 zna 2, 2 zna 3, 3 zna 1): reszte list
# wezly poznaja z wymian lancucha. ip netns exec podmienia sie w program: $! to PID wezla.
for i in 1 2 3; do
  install -d -m 700 "$TMP/h$i" && echo "10.77.0.$((i % 3 + 1)) 1700 - -" > "$TMP/h$i/wezly.dat"
done
ip netns exec "$P-h1" "$WEZEL" --katalog "$TMP/h1" --bez-obecnosci --kop >"$TMP/h1.log" 2>&1 & PIDY+=($!)
# Pozostalosc zapisu po procesie, ktory juz nie zyje, znika przy starcie.
echo resztka > "$TMP/h2/blockchain.dat.tmp.4194304.1"
ip netns exec "$P-h2" "$WEZEL" --katalog "$TMP/h2" --bez-obecnosci >"$TMP/h2.log" 2>&1 & PIDY+=($!)
ip netns exec "$P-h3" "$WEZEL" --katalog "$TMP/h3" --bez-obecnosci --bez-synchronizacji \
  >"$TMP/h3.log" 2>&1 & PIDY+=($!)

czekaj "$SPRAWDZ" "$TMP/h2/blockchain.dat" 3 || blad "h2 nie dostal wykopanych blokow"
[ ! -e "$TMP/h2/blockchain.dat.tmp.4194304.1" ] || blad "pozostalosc zapisu nie usunieta przy starcie"
czekaj "$SPRAWDZ" "$TMP/h3/blockchain.dat" 3 || blad "h3 nie dostal wykopanych blokow"
for i in 1 2 3; do
  for j in 1 2 3; do
    [ $i = $j ] || czekaj grep -q "^10.77.0.$j 1700 " "$TMP/h$i/wezly.dat" || blad "h$i nie zna h$j"
  done
done

timeout 5 ip netns exec "$P-h2" "$WEZEL" --katalog "$TMP/h2" --bez-obecnosci --port 1701 \
  >"$TMP/h2-drugi.log" 2>&1 && blad "drugi proces na folderze h2 wystartowal"
grep -q "folder danych $TMP/h2 jest juz uzywany przez proces ${PIDY[1]} " "$TMP/h2-drugi.log" \
  || blad "odmowa bez folderu i pidu: $(cat "$TMP/h2-drugi.log")"

start=$(date +%s%N)
kill -TERM "${PIDY[0]}"
for _ in $(seq 200); do kill -0 "${PIDY[0]}" 2>/dev/null || break; sleep 0.01; done
ms=$(( ($(date +%s%N) - start) / 1000000 ))
kill -0 "${PIDY[0]}" 2>/dev/null && blad "kopiacy wezel zyje 2 s po SIGTERM"
wait "${PIDY[0]}"; kod=$?
echo "Zatrzymanie kopiacego wezla: $ms ms, kod $kod"
[ "$kod" -eq 0 ] || blad "kod wyjscia $kod po SIGTERM"
"$SPRAWDZ" "$TMP/h1/blockchain.dat" 3 || blad "lancuch h1 nie wczytuje sie po SIGTERM"
klucz=$(grep -oE 'klucz publiczny: [0-9a-f]{64}' "$TMP/h1.log" | cut -d' ' -f3)
[ -n "$klucz" ] && [ "$(head -n1 "$TMP/h1/moj_portfel.dat")" = "$klucz" ] \
  || blad "klucz nowego portfela nie zgadza sie z wypisanym"
[ "$(stat -c %a "$TMP/h1/moj_portfel.dat")" = 600 ] || blad "portfel nie ma praw 0600"
[ "$(stat -c %a "$TMP/h1")" = 700 ] || blad "folder danych nie ma praw 0700"

# Blok zapisany przed zatrzymaniem dociera do pozostalych, bez wierszy o braku odpowiedzi.
for i in 2 3; do
  czekaj cmp -s "$TMP/h$i/blockchain.dat" "$TMP/h1/blockchain.dat" || blad "h$i nie ma ostatnich blokow h1"
done
! sed -n '/Otrzymano sygnal/,$p' "$TMP/h1.log" | grep -E "przekroczono czas|offline" \
  || blad "zatrzymanie opisane jako brak odpowiedzi wezla"
[ ! -e "$TMP/h2/moj_portfel.dat" ] || blad "wezel bez --kop utworzyl portfel"

for i in 1 2; do
  kill -INT "${PIDY[$i]}"; wait "${PIDY[$i]}"; kod=$?
  [ "$kod" -eq 0 ] || blad "h$((i + 1)) po SIGINT: kod $kod"
done
PIDY=()
grep -q "Przyjeto nowy, dluzszy lancuch" "$TMP/h3.log" || blad "h3 nie przyjal lancucha"
# Wezel starego rodzaju odrzuca najwyzej jedna oferte od kazdego z dwoch pozostalych.
odrzucone=$(grep -c "Otrzymane dane nie sa poprawnym lancuchem" "$TMP/h3.log")
[ "$odrzucone" -le 2 ] || blad "h3 odrzucil $odrzucone wiadomosci synchronizacji"
! grep -q "Otrzymane dane nie sa poprawnym lancuchem" "$TMP/h2.log" || blad "h2 nie zrozumial oferty"

# Nowy wezel (sama geneza) z --seed na h2 pobiera caly lancuch h2.
ip netns exec "$P-h2" "$WEZEL" --katalog "$TMP/h2" --bez-obecnosci --port 1702 >"$TMP/h2b.log" 2>&1 & PIDY+=($!)
czekaj grep -q "Wezel dziala" "$TMP/h2b.log" || blad "h2 nie wystartowal ponownie"
install -d -m 700 "$TMP/h4"
ip netns exec "$P-h1" "$WEZEL" --katalog "$TMP/h4" --bez-obecnosci --port 1701 --seed 10.77.0.2:1702 \
  >"$TMP/h4.log" 2>&1 & PIDY+=($!)
czekaj cmp -s "$TMP/h4/blockchain.dat" "$TMP/h2/blockchain.dat" || blad "nowy wezel nie pobral lancucha h2"
grep -q "Pobieram lancuch od 10.77.0.2:1702" "$TMP/h4.log" || blad "brak postepu pobierania"
echo "OK: bloki w h1: $("$SPRAWDZ" "$TMP/h1/blockchain.dat" 0)"
