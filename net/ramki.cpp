#include "net/ramki.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <poll.h>
#include <sys/socket.h>

#include "core/liczby.h"

namespace {

using Zegar = std::chrono::steady_clock;

constexpr std::size_t KAWALEK = 4096;
// Najwolniejsze tempo, na jakie czekamy przy dlugiej wiadomosci: 1 MiB na sekunde.
constexpr std::size_t BAJTOW_NA_SEKUNDE = 1024 * 1024;

// Termin calej wiadomosci: limit ciszy plus jej dlugosc przy najwolniejszym tempie.
// Peer, ktory saczy bajty, nie przedluza sobie czasu w nieskonczonosc.
Zegar::time_point terminWiadomosci(Zegar::time_point start, std::chrono::milliseconds limit,
                                   std::uint64_t dlugosc)
{
    const auto naDane = std::chrono::milliseconds(dlugosc / (BAJTOW_NA_SEKUNDE / 1000));
    return start + limit + naDane;
}

// Czeka na gotowosc nie dluzej niz limit ciszy i nie poza termin calej wiadomosci.
bool czekajDoTerminu(const Gniazdo& gniazdo, short zdarzenia, std::chrono::milliseconds limit,
                     Zegar::time_point termin, const std::stop_token& stop)
{
    const auto doTerminu = std::chrono::duration_cast<std::chrono::milliseconds>(termin - Zegar::now());
    if (doTerminu.count() <= 0)
        return false;
    return gniazdo.czekaj(zdarzenia, std::min(limit, doTerminu), stop) > 0;
}

// Wysyla calosc bez blokowania; MSG_NOSIGNAL, zeby zerwane polaczenie nie konczylo
// procesu sygnalem. Peer, ktory nie czyta, zatrzymuje nas najwyzej do terminu.
bool wyslijWszystko(const Gniazdo& gniazdo, const char* dane, std::size_t ile,
                    std::chrono::milliseconds limit, Zegar::time_point termin,
                    const std::stop_token& stop)
{
    std::size_t wyslano = 0;
    while (wyslano < ile) {
        if (!czekajDoTerminu(gniazdo, POLLOUT, limit, termin, stop))
            return false;
        const ssize_t n =
            ::send(*gniazdo, dane + wyslano, ile - wyslano, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
            continue;
        if (n < 1)
            return false;
        wyslano += static_cast<std::size_t>(n);
    }
    return true;
}

// Odbior jednej ramki z limitem ciszy, terminem calej wiadomosci, opcjonalnym minimalnym
// tempem i budzetem pamieci. Czas czekania na budzet nie liczy sie do terminu ani tempa.
class OdbiorRamki {
public:
    OdbiorRamki(const Gniazdo& gniazdo, const OpcjeOdbioru& opcje, const std::stop_token& stop)
        : gniazdo(gniazdo), opcje(opcje), stop(stop) {}

    OdebranaRamka odbierz()
    {
        OdebranaRamka ramka;
        std::string naglowek;
        ramka.wynik = dobierz(naglowek, DLUGOSC_NAGLOWKA, nullptr);
        if (ramka.wynik != WynikOdbioru::Odebrano)
            return ramka;
        const auto dlugosc = liczbaJakStrtoll(naglowek);
        if (!dlugosc || *dlugosc < 0) {
            ramka.wynik = WynikOdbioru::ZlyNaglowek;
        } else if (*dlugosc == 0) {
            ramka.wynik = WynikOdbioru::Pusta;
        } else if (static_cast<std::uint64_t>(*dlugosc) > opcje.maksDlugosc) {
            ramka.wynik = WynikOdbioru::ZaDluga;
        } else {
            calosc += static_cast<std::uint64_t>(*dlugosc);
            ramka.wynik = dobierz(ramka.tresc, static_cast<std::size_t>(*dlugosc), &ramka.pamiec);
        }
        if (ramka.wynik != WynikOdbioru::Odebrano)
            ramka.tresc.clear();
        return ramka;
    }

private:
    [[nodiscard]] Zegar::duration aktywny() const { return Zegar::now() - start - przestoj; }

    // Dopisuje do `cel`, az bedzie mial `potrzeba` bajtow.
    WynikOdbioru dobierz(std::string& cel, std::size_t potrzeba, RezerwacjaPamieci* pamiec)
    {
        char bufor[KAWALEK];
        // Pamiec rosnie tylko o bajty, ktore naprawde przyszly.
        while (cel.size() < potrzeba) {
            std::size_t porcja = std::min(potrzeba - cel.size(), KAWALEK);
            if (pamiec != nullptr && opcje.budzet != nullptr) {
                if (!rezerwujDalej(*pamiec, cel, potrzeba))
                    return WynikOdbioru::BrakPamieci;
                porcja = std::min<std::uint64_t>(porcja, pamiec->bajty() - cel.size());
            }
            const WynikOdbioru gotowe = czekajNaDane();
            if (gotowe != WynikOdbioru::Odebrano)
                return gotowe;
            const ssize_t n = ::recv(*gniazdo, bufor, porcja, MSG_DONTWAIT);
            if (n < 0 && (errno == EINTR || errno == EAGAIN || errno == EWOULDBLOCK))
                continue;
            if (n < 1)
                return WynikOdbioru::Przerwano;
            cel.append(bufor, static_cast<std::size_t>(n));
            odebrane += static_cast<std::uint64_t>(n);
            ostatniBajt = Zegar::now();
            if (opcje.postep != nullptr)
                opcje.postep->store(odebrane, std::memory_order_relaxed);
        }
        return WynikOdbioru::Odebrano;
    }

    // Cala tresc rezerwowana od razu, zanim przyjdzie: rezerwacje po kawalku moglyby sie
    // zakleszczyc (kilka ramek w polowie, zadna nie moze skonczyc).
    bool rezerwujDalej(RezerwacjaPamieci& pamiec, std::string& cel, std::size_t potrzeba)
    {
        if (cel.size() < pamiec.bajty())
            return true;
        const auto poczatek = Zegar::now();
        pamiec.dolacz(opcje.budzet->zarezerwuj(potrzeba - cel.size(), CZEKANIE_NA_PAMIEC, stop));
        const auto czekano = Zegar::now() - poczatek;
        przestoj += czekano;
        ostatniBajt += czekano;
        if (cel.size() >= pamiec.bajty())
            return false;
        // Pamiec wirtualna na cala tresc od razu: bez kopiowania przy wzroscie.
        if (cel.capacity() < potrzeba)
            cel.reserve(potrzeba);
        return true;
    }

    // Czeka na bajty do odebrania w granicach ciszy, terminu i tempa.
    WynikOdbioru czekajNaDane()
    {
        for (;;) {
            if (stop.stop_requested())
                return WynikOdbioru::Zatrzymano;
            const auto teraz = Zegar::now();
            const auto termin = terminWiadomosci(start + przestoj, opcje.limit, calosc);
            if (teraz >= termin)
                return WynikOdbioru::PoTerminie;
            if (teraz >= ostatniBajt + opcje.limit)
                return WynikOdbioru::Cisza;
            if (opcje.minimalneTempo && !tempoZachowane())
                return WynikOdbioru::ZaWolno;
            auto koniec = std::min(termin, ostatniBajt + opcje.limit);
            if (opcje.minimalneTempo)
                koniec = std::min(koniec, teraz + std::chrono::seconds(1));
            const auto czas = std::chrono::duration_cast<std::chrono::milliseconds>(koniec - teraz)
                + std::chrono::milliseconds(1);
            const int wynik = gniazdo.czekaj(POLLIN, czas, stop);
            if (wynik > 0)
                return WynikOdbioru::Odebrano;
            if (wynik < 0)
                return WynikOdbioru::Przerwano;
        }
    }

    // Probki odebranych bajtow z kazdej sekundy; po karencji w ostatnim oknie musi przyjsc
    // tyle, ile wymaga tempo, albo cala reszta wiadomosci.
    bool tempoZachowane()
    {
        const long long sekunda = std::chrono::duration_cast<std::chrono::seconds>(aktywny()).count();
        const long long okno = OKNO_TEMPA.count();
        for (long long s = std::max(ostatniaProbka + 1, sekunda - okno); s <= sekunda; ++s)
            probki[static_cast<std::size_t>(s % (okno + 1))] = odebrane;
        ostatniaProbka = std::max(ostatniaProbka, sekunda);
        if (sekunda < KARENCJA_TEMPA.count())
            return true;
        const long long od = std::max(0LL, sekunda - okno);
        const std::uint64_t wtedy = probki[static_cast<std::size_t>(od % (okno + 1))];
        const std::uint64_t wymagane = std::min(
            MIN_TEMPO_BAJTOW_NA_S * static_cast<std::uint64_t>(sekunda - od), calosc - wtedy);
        return odebrane - wtedy >= wymagane;
    }

    const Gniazdo& gniazdo;
    const OpcjeOdbioru& opcje;
    const std::stop_token& stop;
    const Zegar::time_point start = Zegar::now();
    Zegar::duration przestoj{};
    Zegar::time_point ostatniBajt = start;
    std::uint64_t odebrane = 0;
    std::uint64_t calosc = DLUGOSC_NAGLOWKA; // naglowek, po jego odczycie takze tresc
    std::array<std::uint64_t, OKNO_TEMPA.count() + 1> probki{};
    long long ostatniaProbka = -1;
};

} // namespace

bool wyslijCzesci(const Gniazdo& gniazdo, std::initializer_list<std::string_view> czesci,
                  const std::stop_token& stop, std::chrono::milliseconds limit)
{
    std::size_t dlugosc = 0;
    for (const std::string_view czesc : czesci)
        dlugosc += czesc.size();
    // Jedenasta cyfra rozjechalaby ramke u odbiorcy.
    if (dlugosc > MAKS_DLUGOSC_W_NAGLOWKU)
        return false;
    const std::string naglowek = naglowekDlugosci(dlugosc);
    const auto termin = terminWiadomosci(Zegar::now(), limit, naglowek.size() + dlugosc);
    bool wyslano = wyslijWszystko(gniazdo, naglowek.data(), naglowek.size(), limit, termin, stop);
    for (const std::string_view czesc : czesci)
        wyslano =
            wyslano && wyslijWszystko(gniazdo, czesc.data(), czesc.size(), limit, termin, stop);
    return wyslano;
}

std::string naglowekDlugosci(std::size_t dlugosc)
{
    std::string cyfry = std::to_string(dlugosc);
    if (cyfry.size() < DLUGOSC_NAGLOWKA)
        cyfry.insert(0, DLUGOSC_NAGLOWKA - cyfry.size(), '0');
    return cyfry;
}

OdebranaRamka odbierzRamke(const Gniazdo& gniazdo, const OpcjeOdbioru& opcje,
                           const std::stop_token& stop)
{
    return OdbiorRamki(gniazdo, opcje, stop).odbierz();
}

bool wyslijWiadomosc(const Gniazdo& gniazdo, const std::string& tresc, const std::stop_token& stop,
                     std::chrono::milliseconds limit)
{
    return wyslijCzesci(gniazdo, {tresc}, stop, limit);
}

std::string odbierzWiadomosc(const Gniazdo& gniazdo, const std::stop_token& stop,
                             std::chrono::milliseconds limit, std::uint64_t maksDlugosc)
{
    OpcjeOdbioru opcje;
    opcje.limit = limit;
    opcje.maksDlugosc = maksDlugosc;
    return odbierzRamke(gniazdo, opcje, stop).tresc;
}

bool wyslijIOdbierz(Dziennik& dziennik, const std::string& ip, int port,
                    const std::string& zapytanie, std::string& odpowiedz,
                    const std::stop_token& stop, std::chrono::milliseconds limit)
{
    return wyslijCzesciIOdbierz(dziennik, ip, port, {zapytanie}, odpowiedz, stop, limit);
}

bool wyslijCzesciIOdbierz(Dziennik& dziennik, const std::string& ip, int port,
                          std::initializer_list<std::string_view> czesci, std::string& odpowiedz,
                          const std::stop_token& stop, std::chrono::milliseconds limit)
{
    const Gniazdo gniazdo = polaczZLimitemCzasu(dziennik, ip, port, stop);
    if (!gniazdo.otwarte())
        return false;
    const bool wyslano = wyslijCzesci(gniazdo, czesci, stop, limit);
    if (wyslano)
        odpowiedz = odbierzWiadomosc(gniazdo, stop, limit, MAKS_DLUGOSC_ODPOWIEDZI);
    return wyslano;
}
