// Pliki wezlow i seedow. Wszystkie operacje ida pod jedna blokada procesu, bo serwer,
// nasluch obecnosci, rozgloszenia i okno zmieniaja te pliki jednoczesnie.

#include "wezly.h"

#include <cerrno>
#include <fcntl.h>
#include <mutex>
#include <unistd.h>

#include "gniazda.h"
#include "pliki.h"

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
    const int fd = ::open(plik.c_str(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return;
    std::string tekst;
    char ostatni = '\n';
    const off_t rozmiar = ::lseek(fd, 0, SEEK_END);
    if (rozmiar > 0 && ::pread(fd, &ostatni, 1, rozmiar - 1) == 1 && ostatni != '\n')
        tekst += '\n';
    tekst += wierszWezla(wezel);
    tekst += '\n';
    (void)zapiszWszystko(fd, tekst);
    ::close(fd);
}

bool tenSam(const Wezel& a, const std::string& ip, int port)
{
    return a.ip == ip && a.port == port;
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

bool dodajNowyLubUzupelnij(const std::string& plik, const Wezel& nowy)
{
    std::lock_guard blokada(mutexPlikowWezlow);
    std::vector<Wezel> wezly = wczytajBezBlokady(plik);
    for (Wezel& wezel : wezly) {
        if (!tenSam(wezel, nowy.ip, nowy.port))
            continue;
        bool zmiana = false;
        if (wezel.kluczPubliczny.empty() && !nowy.kluczPubliczny.empty()) {
            wezel.kluczPubliczny = nowy.kluczPubliczny;
            zmiana = true;
        }
        if (wezel.nazwa.empty() && !nowy.nazwa.empty()) {
            wezel.nazwa = nowy.nazwa;
            zmiana = true;
        }
        if (zmiana)
            zapiszBezBlokady(plik, wezly);
        return false;
    }
    dopiszWiersz(plik, nowy);
    return true;
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
