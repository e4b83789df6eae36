#!/usr/bin/env bash
# Kazdy tekst z kodu okna i startu ma tlumaczenie w kazdym katalogu: lupdate dopisuje brakujace
# do kopii katalogow jako niedokonczone, lrelease je liczy.
set -euo pipefail
zrodla="$1"; lupdate="$2"; lrelease="$3"
robocze="$(mktemp -d)"; trap 'rm -rf "$robocze"' EXIT
cp "$zrodla"/i18n/*.ts "$robocze"/
"$lupdate" -silent -locations none -source-language pl_PL -no-obsolete "$zrodla/app" "$zrodla/ui" -ts "$robocze"/*.ts
teksty=$(grep -c '<source>' "$robocze/Talvarin_GUI_pl_PL.ts")
bledy=0
for ts in "$robocze"/*.ts; do
  wynik=$("$lrelease" "$ts" -qm "$robocze/x.qm" | grep -o '([0-9]* finished and [0-9]* unfinished)')
  gotowe=${wynik#(}; gotowe=${gotowe%% *}
  braki=$(echo "$wynik" | grep -o '[0-9]* unfinished' | cut -d' ' -f1)
  case "$ts" in *pl_PL.ts) gotowe=$teksty ;; esac
  if [ "$braki" != 0 ] || [ "$gotowe" != "$teksty" ]; then
    echo "$(basename "$ts"): $wynik z $teksty tekstow"; bledy=1
  fi
done
[ $bledy = 0 ] && echo "Wszystkie katalogi kompletne ($teksty tekstow)."
exit $bledy
