#include "net/rodzaje_wezlow.h"

#include <atomic>
#include <map>
#include <mutex>
#include <utility>

namespace {

// Wpisow tyle, ile wezlow w pliku: plik ma swoj limit, wiec mapa tez.
constexpr std::size_t MAKS_WPISOW = 20000;

std::mutex mutexRodzajow;
std::map<std::pair<std::string, int>, RodzajWezla> rodzaje;
std::atomic<bool> wlaczona{true};

} // namespace

RodzajWezla rodzajWezla(const std::string& ip, int port)
{
    const std::lock_guard blokada(mutexRodzajow);
    const auto znany = rodzaje.find({ip, port});
    return znany == rodzaje.end() ? RodzajWezla::nieznany : znany->second;
}

void zapamietajRodzaj(const std::string& ip, int port, RodzajWezla rodzaj)
{
    const std::lock_guard blokada(mutexRodzajow);
    if (rodzaje.size() >= MAKS_WPISOW && !rodzaje.contains({ip, port}))
        rodzaje.clear();
    rodzaje[{ip, port}] = rodzaj;
}

void ustawSynchronizacje(bool wlacz)
{
    wlaczona = wlacz;
}

bool synchronizacjaWlaczona()
{
    return wlaczona;
}
