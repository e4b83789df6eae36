#include "net/obecnosc.h"

#include <algorithm>
#include <ctime>
#include <mutex>
#include <random>
#include <thread>
#include <utility>
#include <unistd.h>

#include "net/wezly.h"
#include "net/wyrazy.h"

namespace {

constexpr std::chrono::milliseconds KROK_CZEKANIA{100};

// Ziarno: czas w sekundach xor mlodsze 32 bity adresu obiektu statycznego (rozne w procesach).
std::mt19937& generator()
{
    static int znacznik = 0;
    static std::mt19937 gen(static_cast<std::uint32_t>(std::time(nullptr))
                            ^ static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(&znacznik))
                            ^ static_cast<std::uint32_t>(::getpid()));
    return gen;
}

std::mutex mutexGeneratora;

} // namespace

std::string wygenerujIdWezla()
{
    constexpr const char* CYFRY = "0123456789abcdef";
    std::lock_guard blokada(mutexGeneratora);
    std::string id;
    for (int i = 0; i < 8; ++i)
        id += CYFRY[generator()() % 16];
    return id;
}

std::string tekstOgloszenia(int port, const std::string& id, const std::string& klucz,
                            const std::string& nazwa)
{
    std::string tekst = PREFIKS_OGLOSZENIA;
    tekst += id;
    tekst += ' ';
    tekst += std::to_string(port);
    tekst += ' ';
    tekst += klucz.empty() ? "-" : klucz;
    tekst += ' ';
    const std::size_t miejsce =
        MAKS_DLUGOSC_OGLOSZENIA > tekst.size() ? MAKS_DLUGOSC_OGLOSZENIA - tekst.size() : 0;
    const std::size_t dlugosc = dlugoscNaGranicyZnaku(nazwa, miejsce);
    tekst += dlugosc == 0 ? std::string("-") : nazwa.substr(0, dlugosc);
    return tekst;
}

bool oglosObecnosc(int port, const std::string& id, const std::string& klucz,
                   const std::string& nazwa)
{
    return rozglosUdp(PORT_WYKRYWANIA, tekstOgloszenia(port, id, klucz, nazwa));
}

std::optional<Wezel> czytajOgloszenie(const std::string& tekst, const std::string& nadawca,
                                      const std::string& mojeId)
{
    const std::string_view prefiks = PREFIKS_OGLOSZENIA;
    if (!std::string_view(tekst).starts_with(prefiks))
        return std::nullopt;
    std::string_view reszta = std::string_view(tekst).substr(prefiks.size());
    const std::string_view id = nastepnyWyraz(reszta);
    int port = 0;
    if (id.empty() || !czytajInt(reszta, port) || id == mojeId)
        return std::nullopt;
    Wezel wezel{nadawca, port, {}, {}};
    const std::string_view klucz = nastepnyWyraz(reszta);
    if (!klucz.empty()) {
        wezel.kluczPubliczny = klucz == "-" ? std::string() : std::string(klucz);
        std::string_view nazwa = reszta.substr(0, reszta.find('\n'));
        nazwa.remove_prefix(std::min(nazwa.find_first_not_of(" \t"), nazwa.size()));
        wezel.nazwa = nazwa == "-" ? std::string() : std::string(nazwa);
    }
    return wezel;
}

void obsluzOgloszenie(const std::string& tekst, const std::string& nadawca,
                      const std::string& mojeId, const std::string& plikWezlow,
                      const WykrytoWezel& wykryto)
{
    const std::optional<Wezel> wezel = czytajOgloszenie(tekst, nadawca, mojeId);
    if (wezel && dodajNowyLubUzupelnij(plikWezlow, *wezel) && wykryto)
        wykryto(wezel->ip, wezel->port);
}

void ZapisObecnosci::dodaj(const Wezel& wezel, std::chrono::steady_clock::time_point teraz)
{
    const auto znany = std::find_if(zalegle.begin(), zalegle.end(), [&](const Wezel& w) {
        return w.ip == wezel.ip && w.port == wezel.port;
    });
    if (znany != zalegle.end()) {
        // Jak w pliku: pierwsze podane klucz i nazwa zostaja.
        if (znany->kluczPubliczny.empty())
            znany->kluczPubliczny = wezel.kluczPubliczny;
        if (znany->nazwa.empty())
            znany->nazwa = wezel.nazwa;
    } else if (zalegle.size() < MAKS_WEZLOW_Z_WIADOMOSCI) {
        zalegle.push_back(wezel);
    }
    tik(teraz);
}

void ZapisObecnosci::tik(std::chrono::steady_clock::time_point teraz)
{
    if (zalegle.empty() || (ostatniZapis && teraz - *ostatniZapis < OKRES_ZAPISU_OBECNOSCI))
        return;
    ostatniZapis = teraz;
    zapiszZalegle();
}

void ZapisObecnosci::zapiszZalegle()
{
    std::vector<Wezel> nowe;
    (void)scalWezly(plikWezlow, std::exchange(zalegle, {}), &nowe);
    if (wykryto)
        for (const Wezel& wezel : nowe)
            wykryto(wezel.ip, wezel.port);
}

void nasluchujObecnosciWPetli(Dziennik& dziennik, int /*port*/, const std::string& mojeId,
                              const std::string& plikWezlow, const std::stop_token& stop,
                              const WykrytoWezel& wykryto)
{
    ZapisObecnosci zapis(plikWezlow, wykryto);
    nasluchujUdpWPetli(
        dziennik, PORT_WYKRYWANIA, stop,
        [&](const std::string& tekst, const std::string& nadawca) {
            if (const std::optional<Wezel> wezel = czytajOgloszenie(tekst, nadawca, mojeId))
                zapis.dodaj(*wezel, std::chrono::steady_clock::now());
        },
        [&] { zapis.tik(std::chrono::steady_clock::now()); });
    zapis.zapiszZalegle();
}

void oglaszajObecnoscWPetli(int port, const std::string& id, const std::string& klucz,
                            const std::string& nazwa, const std::stop_token& stop,
                            std::chrono::milliseconds okres)
{
    while (!stop.stop_requested()) {
        (void)oglosObecnosc(port, id, klucz, nazwa);
        for (auto czekano = std::chrono::milliseconds{0}; czekano < okres && !stop.stop_requested();
             czekano += KROK_CZEKANIA)
            std::this_thread::sleep_for(KROK_CZEKANIA);
    }
}
