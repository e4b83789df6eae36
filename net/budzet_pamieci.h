#pragma once
// Wspolny dla calego procesu budzet pamieci na odebrane ramki i odczytane z nich lancuchy.
// Kilka duzych zapytan naraz nie moze razem przekroczyc limitu: nadmiarowe czekaja na
// miejsce albo sa odrzucane.

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <map>
#include <mutex>
#include <stop_token>

class BudzetPamieci;

// Zarezerwowane bajty; zwalniane w destruktorze. Pusta (false), gdy budzet odmowil.
class RezerwacjaPamieci {
public:
    RezerwacjaPamieci() = default;
    RezerwacjaPamieci(RezerwacjaPamieci&& inna) noexcept;
    RezerwacjaPamieci& operator=(RezerwacjaPamieci&& inna) noexcept;
    ~RezerwacjaPamieci();
    RezerwacjaPamieci(const RezerwacjaPamieci&) = delete;
    RezerwacjaPamieci& operator=(const RezerwacjaPamieci&) = delete;

    [[nodiscard]] explicit operator bool() const { return budzet != nullptr; }
    [[nodiscard]] std::uint64_t bajty() const { return ile; }
    // Przejmuje bajty innej rezerwacji z tego samego budzetu (powiekszenie tej).
    void dolacz(RezerwacjaPamieci&& inna);

private:
    friend class BudzetPamieci;
    RezerwacjaPamieci(BudzetPamieci* budzet, std::uint64_t ile) : budzet(budzet), ile(ile) {}
    void zwolnij();

    BudzetPamieci* budzet = nullptr;
    std::uint64_t ile = 0;
};

class BudzetPamieci {
public:
    // Najmniejszy limit: miesci jedna uczciwa ramke 512 MiB razem z jej odczytem.
    static constexpr std::uint64_t MINIMUM = 2ULL * 1024 * 1024 * 1024;
    // Limit rosnie z wlasnym lancuchem: wypchniecie dluzszego o 64 MiB razem z odczytem.
    static constexpr std::uint64_t RAZY_WLASNY_LANCUCH = 5;
    // Czesc budzetu tylko dla malych zapytan: duze ramki jej nie zajmuja, wiec krotkie
    // wypchniecia nie czekaja, az skonczy sie kilka ogromnych.
    static constexpr std::uint64_t MALE_ZAPYTANIE = 16ULL * 1024 * 1024;
    static constexpr std::uint64_t ZAPAS_DLA_MALYCH = 64ULL * 1024 * 1024;

    explicit BudzetPamieci(std::uint64_t minimum = MINIMUM) : minimum(minimum) {}
    BudzetPamieci(const BudzetPamieci&) = delete;
    BudzetPamieci& operator=(const BudzetPamieci&) = delete;

    // Rozmiar tekstu wlasnego lancucha (wystarczy rozmiar pliku) wyznacza limit.
    void ustawWlasnyLancuch(std::uint64_t bajtyTekstu);
    // Tylko dla testow i pomiarow: mniejszy limit bez ogromnych ramek.
    void ustawMinimum(std::uint64_t bajty);
    [[nodiscard]] std::uint64_t limit() const;
    [[nodiscard]] std::uint64_t zajete() const;

    // Rezerwuje `bajty`, czekajac na miejsce najwyzej `czekaj` (i do `stop`).
    // Wieksze niz caly limit odmawia od razu. Przy czekaniu mniejsze maja pierwszenstwo:
    // jedno duze zapytanie nie zatrzymuje malych.
    [[nodiscard]] RezerwacjaPamieci zarezerwuj(std::uint64_t bajty,
                                               std::chrono::milliseconds czekaj,
                                               const std::stop_token& stop);

private:
    friend class RezerwacjaPamieci;
    [[nodiscard]] std::uint64_t limitPodBlokada() const;
    [[nodiscard]] std::uint64_t dostepneDla(std::uint64_t bajty) const;
    [[nodiscard]] bool moznaPodBlokada(std::uint64_t bajty) const;
    void zwolnij(std::uint64_t bajty);
    void ustawIPowiadom(std::uint64_t BudzetPamieci::*pole, std::uint64_t wartosc);

    mutable std::mutex mutex;
    std::condition_variable zmiana;
    std::uint64_t minimum = MINIMUM;
    std::uint64_t wlasnyLancuch = 0;
    std::uint64_t uzyte = 0;
    std::map<std::uint64_t, int> czekajace; // wielkosc -> ile zapytan czeka
};

// Budzet calego procesu.
[[nodiscard]] BudzetPamieci& budzetPamieci();
