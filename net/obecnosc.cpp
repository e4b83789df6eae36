#include "obecnosc.h"

#include <algorithm>
#include <ctime>
#include <mutex>
#include <random>
#include <thread>
#include <unistd.h>

#include "wezly.h"
#include "wyrazy.h"

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

void obsluzOgloszenie(const std::string& tekst, const std::string& nadawca,
                      const std::string& mojeId, const std::string& plikWezlow,
                      const WykrytoWezel& wykryto)
{
    const std::string_view prefiks = PREFIKS_OGLOSZENIA;
    if (!std::string_view(tekst).starts_with(prefiks))
        return;
    std::string_view reszta = std::string_view(tekst).substr(prefiks.size());
    const std::string_view id = nastepnyWyraz(reszta);
    int port = 0;
    if (id.empty() || !czytajInt(reszta, port) || id == mojeId)
        return;
    Wezel wezel{nadawca, port, {}, {}};
    const std::string_view klucz = nastepnyWyraz(reszta);
    if (!klucz.empty()) {
        wezel.kluczPubliczny = klucz == "-" ? std::string() : std::string(klucz);
        std::string_view nazwa = reszta.substr(0, reszta.find('\n'));
        nazwa.remove_prefix(std::min(nazwa.find_first_not_of(" \t"), nazwa.size()));
        wezel.nazwa = nazwa == "-" ? std::string() : std::string(nazwa);
    }
    if (dodajNowyLubUzupelnij(plikWezlow, wezel) && wykryto)
        wykryto(nadawca, port);
}

void nasluchujObecnosciWPetli(int /*port*/, const std::string& mojeId,
                              const std::string& plikWezlow, const StopPredykat& stop,
                              const WykrytoWezel& wykryto)
{
    nasluchujUdpWPetli(PORT_WYKRYWANIA, stop,
                       [&](const std::string& tekst, const std::string& nadawca) {
                           obsluzOgloszenie(tekst, nadawca, mojeId, plikWezlow, wykryto);
                       });
}

void oglaszajObecnoscWPetli(int port, const std::string& id, const std::string& klucz,
                            const std::string& nazwa, const std::atomic<bool>& stop,
                            std::chrono::milliseconds okres)
{
    while (!stop.load()) {
        (void)oglosObecnosc(port, id, klucz, nazwa);
        for (auto czekano = std::chrono::milliseconds{0}; czekano < okres && !stop.load();
             czekano += KROK_CZEKANIA)
            std::this_thread::sleep_for(KROK_CZEKANIA);
    }
}
