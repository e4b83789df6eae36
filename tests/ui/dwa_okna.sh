#!/usr/bin/env bash
# Koniec do konca: dwa procesy okna (wezel_okna) w dwoch hostach symulowanej sieci, sterowane
# przyciskami. Nasluch, wykrycie przez ogloszenia (bez siebie samego), nadawca kopie i wysyla
# 12.5 TLV na klucz odbiorcy, a saldo i zakladka Odebrane odbiorcy to pokazuja.
# Uzycie: dwa_okna.sh <wezel_okna>. Kod 77 = pominiety.
set -u
OKNO=$1
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
jest a "wyslij: Transakcja wyslana i zapisana. Rozgloszono do 1/1 wezlow."
jest a "saldo: Saldo: 87.5 TLV"
jest b "saldo: Saldo: 12.5 TLV"
ala=$(head -c 12 "$TMP/a/moj_portfel.dat")
jest b "odebrane: Blok #2: od $ala...  +12.5 TLV"
jest b "blok: Blok #1: nagroda dla $ala...  +50 TLV"
echo "OK"
