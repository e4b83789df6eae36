#!/usr/bin/env bash
# Zrzuty ekranu: program startuje pod Xvfb w przygotowanych folderach danych, a xdotool
# przechodzi klawiatura przez dialogi startowe. Obrazy trafiaja do docs/zrzuty/.
# Wszystko biegnie w prywatnej przestrzeni sieciowej (sam loopback), wiec nic nie wychodzi.
set -euo pipefail
zrodla="$(cd "$(dirname "$0")/.." && pwd)"
cd "$zrodla"

if [ "${TALVARIN_ZRZUTY_W_NETNS:-}" != 1 ]; then
  bash scripts/zainstaluj.sh xdotool imagemagick
  cmake -S . -B build-program -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALVARIN_TESTY=ON -DTALVARIN_BENCH=OFF
  cmake --build build-program --target talvarin dane_zrzutow
  export TALVARIN_ZRZUTY_W_NETNS=1
  exec unshare -n bash "$0" "$@"
fi

program="$zrodla/build-program/app/talvarin"
dane_zrzutow="$zrodla/build-program/narzedzia/dane_zrzutow"
cel="$zrodla/docs/zrzuty"
mkdir -p "$cel"
robocze="$(mktemp -d /tmp/talvarin-zrzuty-XXXXXX)"
ekran=":$((90 + RANDOM % 9))"
pid_programu=""

sprzatnij() {
  [ -n "$pid_programu" ] && kill "$pid_programu" 2>/dev/null || true
  [ -n "${pid_xvfb:-}" ] && kill "$pid_xvfb" 2>/dev/null || true
  rm -rf "$robocze"
}
trap sprzatnij EXIT

Xvfb "$ekran" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
pid_xvfb=$!
export DISPLAY="$ekran"
unset QT_QPA_PLATFORM
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

# Czeka na widoczne okno o dokladnym tytule i daje mu fokus; wypisuje jego numer.
czekaj() {
  local okno
  okno="$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1)"
  xdotool windowfocus --sync "$okno"
  sleep 0.7
  echo "$okno"
}

zrzut() {
  local okno
  okno="$(czekaj "$1")"
  import -window "$okno" "$cel/$2"
  echo "  $2"
}

uruchom() {
  mkdir -p "$robocze/$1"
  (cd "$robocze/$1" && exec "$program" >/dev/null 2>&1) &
  pid_programu=$!
}

zakoncz() {
  kill "$pid_programu" 2>/dev/null || true
  wait "$pid_programu" 2>/dev/null || true
  pid_programu=""
}

echo "Pierwszy start w pustym folderze:"
uruchom pierwszy
zrzut "Wybierz jezyk / Choose language" dialog-jezyka.png
xdotool key Return
czekaj "Talvarin" >/dev/null
xdotool type --delay 40 "Ala"
zrzut "Talvarin" dialog-nazwy.png
xdotool key Return
zrzut "Portfel" dialog-portfela.png
xdotool key Return
zrzut "Zapisz fraze odzyskiwania" dialog-frazy.png
xdotool key Return
czekaj "Talvarin - Ala" >/dev/null
zakoncz

echo "Odtwarzanie portfela z frazy:"
mkdir -p "$robocze/odtwarzanie"
printf 'pl_PL' > "$robocze/odtwarzanie/jezyk.txt"
printf 'Ala' > "$robocze/odtwarzanie/nazwa_uzytkownika.txt"
uruchom odtwarzanie
czekaj "Talvarin" >/dev/null
xdotool key Return
czekaj "Portfel" >/dev/null
xdotool key Tab Return
czekaj "Wpisz fraze odzyskiwania" >/dev/null
xdotool type --delay 20 "abandon ability able about above absent absorb abstrakt absurd abuse access accident"
xdotool key Return
zrzut "Wpisz fraze odzyskiwania" dialog-wpisywania-frazy.png
zakoncz

# Piec zakladek z prawdziwym lancuchem (bloki, platnosc wyslana i odebrana, znane wezly).
zakladki() {
  local jezyk="$1" przyrostek="$2"
  mkdir -p "$robocze/lancuch-$jezyk"
  "$dane_zrzutow" "$robocze/lancuch-$jezyk" "$jezyk" >/dev/null
  uruchom "lancuch-$jezyk"
  czekaj "Talvarin" >/dev/null
  xdotool key Return
  local nazwa
  for nazwa in przeglad wyslij odebrane lancuch siec; do
    zrzut "Talvarin - Ala" "okno-$nazwa$przyrostek.png"
    xdotool key ctrl+Tab
  done
  zakoncz
}

echo "Zakladki okna po polsku i po angielsku:"
zakladki pl_PL ""
zakladki en_US "-en"
echo "Zrzuty w $cel"
