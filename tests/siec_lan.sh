# Symulowana siec lokalna dla testow koncowych (dolaczana przez "."): host i to przestrzen
# sieciowa $P-h$i z adresem 10.77.0.i, hosty polaczone mostem w $P-br. Nazwy z PID, sprzatanie
# w pulapce EXIT (takze po bledzie). Bez uprawnien test konczy sie kodem 77 (pominiety).
P=tlv$$
TMP=$(mktemp -d)
PIDY=()
HOSTY=0
sprzataj() {
  for pid in "${PIDY[@]}"; do kill -KILL "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; done
  for i in $(seq "$HOSTY"); do ip netns del "$P-h$i" 2>/dev/null; done
  ip netns del "$P-br" 2>/dev/null
  rm -rf "$TMP"
}
trap sprzataj EXIT
pomin() { echo "POMINIETY: $1"; exit 77; }
blad() { echo "BLAD: $1"; for log in "$TMP"/h*.log; do echo "--- $log"; tail -n 15 "$log"; done; exit 1; }
# Czeka do 20 s, az polecenie sie uda.
czekaj() { for _ in $(seq 200); do "$@" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
sciezka_hosta() { echo "/var/run/netns/$P-h$1"; }

zbuduj_lan() {
  [ -z "${TALVARIN_BEZ_NETNS:-}" ] || pomin "przebieg bez przestrzeni sieciowych"
  ip netns add "$P-br" 2>/dev/null || pomin "nie mozna tworzyc przestrzeni sieciowych (root?)"
  ip netns exec "$P-br" ip link add br0 type bridge && ip netns exec "$P-br" ip link set br0 up \
    || pomin "nie mozna utworzyc mostu"
  HOSTY=$1
  for i in $(seq "$HOSTY"); do
    h="$P-h$i"
    { ip netns add "$h" && ip link add "tv$$$i" type veth peer name eth0 netns "$h" \
      && ip link set "tv$$$i" netns "$P-br" \
      && ip netns exec "$P-br" ip link set "tv$$$i" master br0 \
      && ip netns exec "$P-br" ip link set "tv$$$i" up \
      && ip netns exec "$h" ip addr add "10.77.0.$i/24" dev eth0 \
      && ip netns exec "$h" ip link set eth0 up && ip netns exec "$h" ip link set lo up \
      && ip netns exec "$h" ip route add default dev eth0; } || pomin "nie mozna zbudowac hosta $i"
  done
}
