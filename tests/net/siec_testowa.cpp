#include "siec_testowa.h"

#include <arpa/inet.h>
#include <cstdlib>
#include <fcntl.h>
#include <netinet/in.h>
#include <sched.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

bool wejdzDoPrzestrzeni(const std::string& sciezka)
{
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::setns(fd, CLONE_NEWNET) == 0;
    ::close(fd);
    return ok;
}

} // namespace

SiecLan::SiecLan(int liczbaHostow)
{
    if (std::getenv("TALVARIN_BEZ_NETNS") != nullptr || ::geteuid() != 0) {
        powod = "brak uprawnien do tworzenia przestrzeni sieciowych";
        return;
    }
    przedrostek = "tlv" + std::to_string(::getpid());
    const std::string most = przedrostek + "br";
    std::vector<std::string> polecenia = {"ip netns add " + most,
                                          "ip -n " + most + " link add br0 type bridge",
                                          "ip -n " + most + " link set br0 up"};
    for (int i = 1; i <= liczbaHostow; ++i) {
        const std::string h = nazwaHosta(i);
        const std::string v = "v" + std::to_string(i);
        polecenia.insert(polecenia.end(),
                         {"ip netns add " + h,
                          "ip -n " + most + " link add " + v + " type veth peer name eth0 netns " + h,
                          "ip -n " + most + " link set " + v + " master br0",
                          "ip -n " + most + " link set " + v + " up",
                          "ip -n " + h + " addr add " + adres(i) + "/24 dev eth0",
                          "ip -n " + h + " link set eth0 up", "ip -n " + h + " link set lo up",
                          "ip -n " + h + " route add default dev eth0"});
    }
    // Utworzone przestrzenie sa zapamietane, zeby destruktor je usunal.
    const std::string dodaj = "ip netns add ";
    for (const std::string& polecenie : polecenia) {
        if (!uruchom(polecenie)) {
            powod = "nie udalo sie utworzyc przestrzeni sieciowych (ip netns)";
            return;
        }
        if (polecenie.starts_with(dodaj))
            utworzone.push_back(polecenie.substr(dodaj.size()));
    }
    udana = true;
}

SiecLan::~SiecLan()
{
    for (auto it = utworzone.rbegin(); it != utworzone.rend(); ++it)
        (void)uruchom("ip netns del " + *it);
}

bool SiecLan::uruchom(const std::string& polecenie)
{
    const std::string pelne = polecenie + " >/dev/null 2>&1";
    return std::system(pelne.c_str()) == 0;
}

std::string SiecLan::nazwaHosta(int host) const { return przedrostek + "h" + std::to_string(host); }

std::string SiecLan::adres(int host) const { return "10.77.0." + std::to_string(host); }

std::string SiecLan::sciezkaHosta(int host) const { return "/var/run/netns/" + nazwaHosta(host); }

std::thread watekWHoscie(const SiecLan& siec, int host, std::function<void()> praca)
{
    return std::thread([sciezka = siec.sciezkaHosta(host), praca = std::move(praca)] {
        if (wejdzDoPrzestrzeni(sciezka))
            praca();
    });
}

bool wyslijDatagram(const std::string& adres, int port, const std::string& tresc)
{
    const int g = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (g < 0)
        return false;
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_port = htons(static_cast<std::uint16_t>(port));
    const bool ok = ::inet_pton(AF_INET, adres.c_str(), &sa.sin_addr) == 1
        && ::sendto(g, tresc.data(), tresc.size(), 0, reinterpret_cast<sockaddr*>(&sa), sizeof sa)
            == static_cast<ssize_t>(tresc.size());
    ::close(g);
    return ok;
}
