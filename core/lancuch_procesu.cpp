#include "core/lancuch_procesu.h"

#include <algorithm>
#include <sys/stat.h>
#include <vector>

namespace {

// Kilka plikow naraz (testy maja ich wiele); najstarszy ustepuje nowemu.
constexpr std::size_t MAKS_PLIKOW = 4;

std::vector<Blockchain>& zapamietane()
{
    static std::vector<Blockchain> lancuchy;
    return lancuchy;
}

std::int64_t nanosekundy(const timespec& czas)
{
    return static_cast<std::int64_t>(czas.tv_sec) * 1000000000 + czas.tv_nsec;
}

// Plik na dysku jest dokladnie tym, ktory lancuch zna.
bool plikTakiJak(const StanPliku& stan)
{
    struct stat info {};
    return ::stat(stan.sciezka.c_str(), &info) == 0
        && stan.urzadzenie == static_cast<std::uint64_t>(info.st_dev)
        && stan.wezel == static_cast<std::uint64_t>(info.st_ino) && stan.rozmiar == info.st_size
        && stan.czasZmianyNs == nanosekundy(info.st_mtim)
        && stan.czasStatusuNs == nanosekundy(info.st_ctim);
}

bool zgodnyZPlikiem(const Blockchain& ksiega)
{
    return !ksiega.plik.sciezka.empty() && ksiega.plik.punkt == ksiega.punkt();
}

} // namespace

bool wezLancuchProcesu(Blockchain& ksiega, const std::string& sciezka)
{
    auto& lancuchy = zapamietane();
    const auto it = std::find_if(lancuchy.begin(), lancuchy.end(),
                                 [&](const Blockchain& l) { return l.plik.sciezka == sciezka; });
    if (it == lancuchy.end() || ksiega.punkt() == it->punkt() || !plikTakiJak(it->plik))
        return false;
    ksiega.przejmijKopie(*it);
    return true;
}

void zapamietajLancuchProcesu(const Blockchain& ksiega)
{
    if (!zgodnyZPlikiem(ksiega))
        return;
    auto& lancuchy = zapamietane();
    const auto it = std::find_if(lancuchy.begin(), lancuchy.end(), [&](const Blockchain& l) {
        return l.plik.sciezka == ksiega.plik.sciezka;
    });
    if (it != lancuchy.end()) {
        it->przejmijKopie(ksiega);
        return;
    }
    if (lancuchy.size() == MAKS_PLIKOW)
        lancuchy.erase(lancuchy.begin());
    lancuchy.push_back(ksiega);
}
