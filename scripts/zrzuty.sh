#!/usr/bin/env bash
# Zrzuty ekranu: program startuje pod Xvfb w przygotowanych folderach danych, a xdotool
# przechodzi klawiatura przez dialogi startowe. Obrazy trafiaja do docs/zrzuty/.
# Wszystko biegnie w prywatnej przestrzeni sieciowej (sam loopback), wiec nic nie wychodzi.
set -euo pipefail
zrodla="$(cd "$(dirname "$0")/.." && pwd)"
cd "$zrodla"

if [ "${TALVARIN_ZRZUTY_W_NETNS:-}" != 1 ]; then
  bash scripts/zainstaluj.sh xdotool imagemagick
  cmake -S . -B build-program -G Ninja -DCMAKE_BUILD_TYPE=Release -DTALVARIN_TESTY=OFF -DTALVARIN_BENCH=OFF
  cmake --build build-program --target talvarin
  export TALVARIN_ZRZUTY_W_NETNS=1
  exec unshare -n bash "$0" "$@"
fi

program="$zrodla/build-program/app/talvarin"
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
zrzut "Talvarin - Ala" okno.png
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab ctrl+Tab
zrzut "Talvarin - Ala" okno-siec.png
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

echo "Okno po angielsku (jezyk.txt = en_US):"
mkdir -p "$robocze/angielski"
printf 'en_US' > "$robocze/angielski/jezyk.txt"
printf 'Ala' > "$robocze/angielski/nazwa_uzytkownika.txt"
cp "$robocze/pierwszy/moj_portfel.dat" "$robocze/angielski/"
uruchom angielski
czekaj "Talvarin" >/dev/null
xdotool key Return
zrzut "Talvarin - Ala" okno-en.png
zakoncz
echo "Zrzuty w $cel"
