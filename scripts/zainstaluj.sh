#!/usr/bin/env bash
# Instaluje brakujace pakiety Debiana 12 potrzebne do budowy, testow i uruchomienia.
# Argumenty to dodatkowe pakiety (np. narzedzia zrzutow ekranu w scripts/zrzuty.sh).
set -euo pipefail

pakiety=(
  build-essential cmake ninja-build pkg-config git
  libsodium-dev
  qt6-base-dev qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools libgl-dev
  qt6-translations-l10n
  libgtest-dev googletest libbenchmark-dev
  clang libclang-rt-14-dev
  iproute2 util-linux desktop-file-utils
  xvfb xauth fonts-noto-color-emoji fonts-dejavu-core
  "$@"
)

brakujace=()
for p in "${pakiety[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    brakujace+=("$p")
  fi
done

if [ ${#brakujace[@]} -gt 0 ]; then
  echo "Instaluje: ${brakujace[*]}"
  su_cmd=()
  [ "$(id -u)" -eq 0 ] || su_cmd=(sudo)
  "${su_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${su_cmd[@]}" apt-get install -y -qq --no-install-recommends "${brakujace[@]}"
fi
