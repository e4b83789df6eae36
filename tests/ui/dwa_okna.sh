#!/usr/bin/env bash
# Koniec do konca: dwa procesy okna (wezel_okna) w dwoch hostach symulowanej sieci, sterowane
# przyciskami. Nasluch, wykrycie przez ogloszenia (bez siebie samego), nadawca kopie i wysyla
# 12.5 TLV na klucz odbiorcy, a saldo i zakladka Odebrane odbiorcy to pokazuja. Potem to samo
# z odbiorca jako talvarin-wezel na portfelu odbiorcy okna.
# Uzycie: dwa_okna.sh <wezel_okna> <talvarin-wezel> <sprawdz_lancuch>. Kod 77 = pominiety.
set -u
OKNO=$1
WEZEL=$2
SPRAWDZ=$3
. "$(dirname "$0")/../siec_lan.sh"
zbuduj_lan 2
mkdir "$TMP/a" "$TMP/b"
"$OKNO" "$(sciezka_hosta 2)" "$TMP/b" odbiorca 17000 40 >"$TMP/h2.log" 2>&1 & PIDY+=($!)
"$OKNO" "$(sciezka_hosta 1)" "$TMP/a" nadawca 17000 40 >"$TMP/h1.log" 2>&1 & PIDY+=($!)
wait "${PIDY[0]}" || blad "odbiorca: kod $?"
touch "$TMP/a/stop"
wait "${PIDY[1]}" || blad "nadawca: kod $?"
PIDY=()
jest() { grep -qxF "$2" "$TMP/$1/raport.txt" || blad "brak w raporcie $1: $2"; }
jest a "wezel: Ola - 10.77.0.2:17000"
jest b "wezel: Ala - 10.77.0.1:17000"
! grep -q "10.77.0.1:17000" "$TMP/a/raport.txt" || blad "nadawca zna sam siebie"
jest a "wyslij: Transakcja wyslana i zapisana. Przyjeto u 1 z 1 wezlow."
jest a "saldo: Saldo: 87.5 TLV"
jest b "saldo: Saldo: 12.5 TLV"
ala=$(head -c 12 "$TMP/a/moj_portfel.dat")
jest b "odebrane: Blok #2: od $ala...  +12.5 TLV"
jest b "blok: Blok #1: nagroda dla $ala...  +50 TLV"

# Nowe okno nadawcy w h1 placi wezlowi bez okna w h2, ktory zna z jego ogloszen obecnosci
# (inny port: zamkniete polaczenia pierwszej pary trzymaja jeszcze 17000 w TIME_WAIT).
install -d -m 700 "$TMP/c" "$TMP/d" && cp "$TMP/b/moj_portfel.dat" "$TMP/c/"
echo Ola >"$TMP/c/nazwa_uzytkownika.txt"
ip netns exec "$P-h2" "$WEZEL" --katalog "$TMP/c" --port 17001 >"$TMP/h3.log" 2>&1 & PIDY+=($!)
"$OKNO" "$(sciezka_hosta 1)" "$TMP/d" nadawca 17001 40 >"$TMP/h4.log" 2>&1 & PIDY+=($!)
ola=$(head -n 1 "$TMP/c/moj_portfel.dat")
czekaj "$SPRAWDZ" "$TMP/c/blockchain.dat" 3 "$ola" || blad "wezel bez okna nie dostal platnosci"
[ "$("$SPRAWDZ" "$TMP/c/blockchain.dat" 3 "$ola")" = "3 1250000000" ] || blad "saldo wezla bez okna"
touch "$TMP/d/stop"
wait "${PIDY[1]}" || blad "nadawca do wezla bez okna: kod $?"
kill -TERM "${PIDY[0]}"; wait "${PIDY[0]}" || blad "wezel bez okna po SIGTERM: kod $?"
PIDY=()
jest d "wezel: Ola - 10.77.0.2:17001"
jest d "wyslij: Transakcja wyslana i zapisana. Przyjeto u 1 z 1 wezlow."
echo "OK"
