// Pliki wezlow i seedow. Wszystkie operacje ida pod jedna blokada procesu, bo serwer,
// nasluch obecnosci, rozgloszenia i okno zmieniaja te pliki jednoczesnie.

#include "net/wezly.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>
#include <utility>

#include "net/gniazda.h"
#include "core/deskryptor.h"
#include "core/pliki.h"
#include "net/zdrowie_wezlow.h"

namespace {

std::mutex mutexPlikowWezlow;

std::vector<Wezel> wczytajBezBlokady(const std::string& plik)
{
    const std::optional<std::string> tekst = wczytajPlik(plik);
    if (!tekst)
        return {};
    return wezlyZTekstu(*tekst);
}

void zapiszBezBlokady(const std::string& plik, const std::vector<Wezel>& wezly)
{
    (void)zapiszAtomowo(plik, wezlyDoTekstu(wezly));
}

// Ostatni wiersz bez konca wiersza (reczna edycja, urwany zapis) dostaje go najpierw,
// inaczej nowy wpis skleilby sie z nim i oba wezly by przepadly.
void dopiszWiersz(const std::string& plik, const Wezel& wezel)
{
    // Bez blokowania i tylko do zwyklego pliku: FIFO w miejscu pliku nie zawiesi watku.
    const Deskryptor fd =
        Deskryptor::otworz(plik, O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NONBLOCK, 0666);
    if (!fd.otwarty())
        return;
    struct stat info {};
    if (::fstat(*fd, &info) != 0 || !S_ISREG(info.st_mode))
        return;
    std::string tekst;
    char ostatni = '\n';
    const off_t rozmiar = ::lseek(*fd, 0, SEEK_END);
    if (rozmiar > 0 && fd.czytajOd(&ostatni, 1, rozmiar - 1) == 1 && ostatni != '\n')
        tekst += '\n';
    tekst += wierszWezla(wezel);
    tekst += '\n';
    (void)fd.zapiszWszystko(tekst);
}

bool tenSam(const Wezel& a, const std::string& ip, int port)
{
    return a.ip == ip && a.port == port;
}

// Uzupelnia puste pola znanego wpisu; true, gdy cos sie zmienilo.
bool uzupelnij(Wezel& znany, const Wezel& nowy)
{
    bool zmiana = false;
    if (znany.kluczPubliczny.empty() && !nowy.kluczPubliczny.empty()) {
        znany.kluczPubliczny = nowy.kluczPubliczny;
        zmiana = true;
    }
    if (znany.nazwa.empty() && !nowy.nazwa.empty()) {
        znany.nazwa = nowy.nazwa;
        zmiana = true;
    }
    return zmiana;
}

// Wstawia nowe wpisy do listy: na koniec, a w pelnej liscie w miejsce wpisu, ktory
// najdluzej zawodzi (martwe wpisy nie wypieraja uczciwych wezlow poznanych pozniej).
class Wstawianie {
public:
    explicit Wstawianie(std::vector<Wezel>& wezly) : wezly(wezly) {}

    // Indeks nowego wpisu albo nic, gdy lista pelna i zaden wpis nie zawodzi.
    std::optional<std::size_t> wstaw(Wezel nowy, Wezel* wyparty)
    {
        if (wezly.size() < MAKS_WEZLOW_W_PLIKU) {
            wezly.push_back(std::move(nowy));
            return wezly.size() - 1;
        }
        if (!kolejnosc)
            kolejnosc = zdrowieWezlow().doWymiany(wezly);
        if (nastepny >= kolejnosc->size())
            return std::nullopt;
        const std::size_t miejsce = (*kolejnosc)[nastepny++];
        zdrowieWezlow().zapomnij(wezly[miejsce]);
        *wyparty = std::exchange(wezly[miejsce], std::move(nowy));
        return miejsce;
    }

private:
    std::vector<Wezel>& wezly;
    std::optional<std::vector<std::size_t>> kolejnosc;
    std::size_t nastepny = 0;
};

bool dodajBezBlokady(const std::string& plik, Wezel nowy)
{
    if (!przygotujWezelDoZapisu(nowy))
        return false;
    std::vector<Wezel> wezly = wczytajBezBlokady(plik);
    for (Wezel& wezel : wezly) {
        if (!tenSam(wezel, nowy.ip, nowy.port))
            continue;
        if (uzupelnij(wezel, nowy))
            zapiszBezBlokady(plik, wezly);
        return false;
    }
    if (wezly.size() < MAKS_WEZLOW_W_PLIKU) {
        dopiszWiersz(plik, nowy);
        return true;
    }
    Wezel wyparty;
    if (!Wstawianie(wezly).wstaw(std::move(nowy), &wyparty))
        return false;
    zapiszBezBlokady(plik, wezly);
    return true;
}

} // namespace

std::vector<Wezel> wczytajWezly(const std::string& plik)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    return wczytajBezBlokady(plik);
}

void zapiszWezly(const std::string& plik, const std::vector<Wezel>& wezly)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    zapiszBezBlokady(plik, wezly);
}

int scalWezly(const std::string& plik, const std::vector<Wezel>& nowe, std::vector<Wezel>* dopisane)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    std::vector<Wezel> wezly = wczytajBezBlokady(plik);
    // Pierwszy wpis danego wezla, jak przy wyszukiwaniu po kolei.
    std::unordered_map<std::string, std::size_t> indeks;
    for (std::size_t i = 0; i < wezly.size(); ++i)
        indeks.try_emplace(kluczWezla(wezly[i]), i);
    Wstawianie wstawianie(wezly);
    bool zmiana = false;
    int ile = 0;
    for (Wezel nowy : nowe) {
        if (!przygotujWezelDoZapisu(nowy))
            continue;
        const std::string klucz = kluczWezla(nowy);
        if (const auto znany = indeks.find(klucz); znany != indeks.end()) {
            zmiana = uzupelnij(wezly[znany->second], nowy) || zmiana;
            continue;
        }
        Wezel wyparty;
        const std::optional<std::size_t> miejsce = wstawianie.wstaw(nowy, &wyparty);
        if (!miejsce)
            continue;
        if (const auto stary = indeks.find(kluczWezla(wyparty));
            stary != indeks.end() && stary->second == *miejsce)
            indeks.erase(stary);
        indeks.emplace(klucz, *miejsce);
        if (dopisane != nullptr)
            dopisane->push_back(std::move(nowy));
        zmiana = true;
        ++ile;
    }
    if (zmiana)
        zapiszBezBlokady(plik, wezly);
    return ile;
}

bool dodajNowyLubUzupelnij(const std::string& plik, const Wezel& nowy)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    return dodajBezBlokady(plik, nowy);
}

void dodajLubUzupelnijWezel(const std::string& plik, const std::string& ip, int port,
                            const std::string& klucz, const std::string& nazwa)
{
    (void)dodajNowyLubUzupelnij(plik, Wezel{ip, port, klucz, nazwa});
}

void usunWezel(const std::string& plik, const std::string& ip, int port)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    std::vector<Wezel> wezly = wczytajBezBlokady(plik);
    const auto usuniete =
        std::erase_if(wezly, [&](const Wezel& w) { return tenSam(w, ip, port); });
    if (usuniete > 0)
        zapiszBezBlokady(plik, wezly);
}

int usunSiebieZListy(const std::string& plik, int mojPort)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    std::vector<Wezel> wezly = wczytajBezBlokady(plik);
    const auto usuniete =
        std::erase_if(wezly, [&](const Wezel& w) { return czyToJa(w.ip, w.port, mojPort); });
    if (usuniete > 0)
        zapiszBezBlokady(plik, wezly);
    return static_cast<int>(usuniete);
}
