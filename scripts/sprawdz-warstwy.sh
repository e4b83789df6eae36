#!/usr/bin/env bash
# Warstwy od dolu: core, net, portfel, wezel, i18n, ui, app. Plik moze wlaczac
# naglowki tylko ze swojej warstwy albo nizszych; kazdy wlaczany naglowek projektu
# podaje swoj folder. Wypisuje kazde zle wlaczenie i konczy sie kodem 1.
set -euo pipefail
cd "$(dirname "$0")/.."

warstwy=(core net portfel wezel i18n ui app)
declare -A poziom
for i in "${!warstwy[@]}"; do poziom[${warstwy[$i]}]=$i; done

bledy=0
for folder in "${warstwy[@]}"; do
    while IFS= read -r -d '' plik; do
        while IFS= read -r wiersz; do
            nazwa=${wiersz#*\"}; nazwa=${nazwa%%\"*}
            cel=${nazwa%%/*}
            if [[ $nazwa == ui_*.h ]]; then
                # Kod wygenerowany z formularza Qt Designera, nalezy do ui/.
                cel=ui
            elif [[ $nazwa != */* || -z ${poziom[$cel]+x} ]]; then
                echo "$plik: wlaczenie bez folderu warstwy: $nazwa"; bledy=1; continue
            fi
            if (( ${poziom[$cel]} > ${poziom[$folder]} )); then
                echo "$plik: $folder wlacza wyzsza warstwe: $nazwa"; bledy=1
            fi
        done < <(grep -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' "$plik" || true)
    done < <(find "$folder" \( -name '*.h' -o -name '*.cpp' \) -print0)
done
if (( bledy )); then exit 1; fi
echo "warstwy: bez wlaczen w gore"
