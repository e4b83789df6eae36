// Jednorazowy pomiar petli kopania z wypychaniem obok niej (tylko 127.0.0.0/8, uruchamiac
// w osobnej przestrzeni sieciowej: unshare -n). Tempo kopania przy prawdziwej trudnosci:
// bez wezlow, z tysiacem martwych wpisow (polaczenie bez odpowiedzi, 5 s) i uczciwym wezlem
// dopisanym pozniej, z wolnym wezlem (sekunda na wypchniecie) oraz dla porownania z wolnym
// wezlem i rozgloszeniem po kazdym bloku w watku petli (jak przed wypychaczem).
// Maszyna bywa zajeta przez inne procesy: kazda proba jest otoczona dwiema probami bez
// wezlow (tempo odniesienia to ich srednia), a wezly-odbiorcy pracuja z najnizszym
// priorytetem, jak na innym komputerze. Wyniki na stderr; stdout programu idzie do /dev/null.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sodium.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <thread>

#include "narzedzia_pomiarow.h"
#include "core/plik_lancucha.h"
#include "net/rozgloszenie.h"
#include "net/wymiana_lancucha.h"
#include "net/wypychanie.h"
#include "core/dziennik.h"

namespace {

using Zegar = std::chrono::steady_clock;
using namespace std::chrono_literals;

constexpr auto CZAS_PROBY = 10s;
constexpr auto CZAS_ODNIESIENIA = 5s;
const std::string GORNIK(64, 'a');

struct Folder {
    explicit Folder(const std::string& nazwa) : sciezka(folderRoboczy() + "/" + nazwa)
    {
        std::filesystem::remove_all(sciezka);
        std::filesystem::create_directories(sciezka);
    }
    [[nodiscard]] std::string plik(const char* nazwa) const { return sciezka + "/" + nazwa; }
    std::string sciezka;
};

// Serwer wymiany lancuchow na watku; `zwloka` przed kazda obsluga udaje wolny wezel.
class Wezel2 {
public:
    Wezel2(const Folder& folder, std::chrono::milliseconds zwloka) : port(wolnyPort())
    {
        watek = std::thread([this, plik = folder.plik("blockchain.dat"), zwloka] {
            // Linux: dotyczy tego watku i watkow polaczen, ktore utworzy.
            (void)::setpriority(PRIO_PROCESS, 0, 19);
            Blockchain lancuch;
            KontekstSerwera kontekst{{dziennikPomiaru(), plik, "/nie-ma-takiego-folderu/wezly.dat", port, LIMIT_ODBIORU},
                                     lancuch, "", [] {}, {}};
            nasluchujTcpWPetli(
                dziennikPomiaru(), port, stop.get_token(),
                [&](const std::string& wiadomosc, const Gniazdo&, const std::stop_token&) {
                    std::this_thread::sleep_for(zwloka);
                    ++odebrane;
                    return obsluzPrzychodzacyLancuch(kontekst, wiadomosc);
                },
                [this](bool) { gotowy = true; });
        });
        while (!gotowy)
            std::this_thread::sleep_for(5ms);
    }
    ~Wezel2()
    {
        stop.request_stop();
        watek.join();
    }
    int port;
    std::atomic<int> odebrane{0};

private:
    std::stop_source stop;
    std::atomic<bool> gotowy{false};
    std::thread watek;
};

// Port, na ktorym kazde polaczenie (na dowolny adres 127/8) czeka bez odpowiedzi:
// kolejka nasluchu zapelniona, nikt nie przyjmuje, jadro gubi kolejne SYN-y.
struct Martwy {
    Martwy()
    {
        sockaddr_in sa{AF_INET, 0, {htonl(INADDR_ANY)}, {}};
        socklen_t dl = sizeof sa;
        (void)::bind(nasluch, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
        (void)::listen(nasluch, 0);
        (void)::getsockname(nasluch, reinterpret_cast<sockaddr*>(&sa), &dl);
        port = ntohs(sa.sin_port);
        sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        (void)::connect(wypelniacz, reinterpret_cast<sockaddr*>(&sa), sizeof sa);
    }
    ~Martwy()
    {
        ::close(wypelniacz);
        ::close(nasluch);
    }
    int nasluch = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int wypelniacz = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    int port = 0;
};

// Petla jak petlaKopania (kopIZapisz i zlecenie), na sciezkach folderu zamiast biezacego.
// `poBloku` dla porownania: rozgloszenie w watku petli. Wynik: skroty na sekunde (suma
// nonce+1 wykopanych blokow), bez szczescia kopania, ktore przy stu blokach rozrzuca tempo
// blokow o okolo 10%.
double kop(const Folder& folder, Wypychacz* wypychacz, const std::function<void()>& wTrakcie,
           const std::function<void(const Blockchain&)>& poBloku = {},
           std::chrono::seconds czas = CZAS_PROBY)
{
    Blockchain prywatny;
    const auto start = Zegar::now();
    double skroty = 0;
    bool zrobione = false;
    while (Zegar::now() - start < czas) {
        if (!kopIZapisz(prywatny, GORNIK, folder.plik("blockchain.dat"), {}).zapisano())
            return -1;
        skroty += static_cast<double>(prywatny.pobierzLancuch().back().nonce + 1);
        if (wypychacz != nullptr)
            wypychacz->zlec();
        if (poBloku)
            poBloku(prywatny);
        if (!zrobione && Zegar::now() - start > czas / 5) {
            zrobione = true;
            if (wTrakcie)
                wTrakcie();
        }
    }
    return skroty / std::chrono::duration<double>(Zegar::now() - start).count() / 1000;
}

// Tempo bez wezlow tuz przed i tuz po probie.
struct Odniesienie {
    double przed = 0;
    double po = 0;
    [[nodiscard]] double srednia() const { return (przed + po) / 2; }
};

Odniesienie wOdniesieniu(const std::function<void()>& proba)
{
    const Folder folder("odniesienie");
    Odniesienie wynik;
    wynik.przed = kop(folder, nullptr, {}, {}, CZAS_ODNIESIENIA);
    proba();
    wynik.po = kop(folder, nullptr, {}, {}, CZAS_ODNIESIENIA);
    return wynik;
}

Wypychacz wypychaczFolderu(const Folder& folder)
{
    return Wypychacz({dziennikPomiaru(), folder.plik("blockchain.dat"), folder.plik("wezly.dat"), -1});
}

std::size_t bloki(const std::string& plik)
{
    Blockchain b;
    return wczytajLancuch(b, plik) ? b.liczbaBlokow() : 0;
}

} // namespace

int main()
{
    if (sodium_init() < 0)
        return 1;
    const int wyjscie = ::dup(1);
    const int nic = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    ::dup2(nic, 1);
    std::FILE* wynik = ::fdopen(wyjscie, "w");

    {
        const Folder gornik("martwe");
        const Folder uczciwy("uczciwy");
        const Martwy martwy;
        std::string wpisy;
        for (int i = 0; i < 1000; ++i)
            wpisy += "127.1." + std::to_string(i / 250) + "." + std::to_string(i % 250 + 1) + " "
                + std::to_string(martwy.port) + " - -\n";
        {
            std::FILE* f = std::fopen(gornik.plik("wezly.dat").c_str(), "w");
            std::fputs(wpisy.c_str(), f);
            std::fclose(f);
        }
        Wezel2 wezel(uczciwy, 0ms);
        double tempo = 0;
        const Odniesienie odniesienie = wOdniesieniu([&] {
            Wypychacz wypychacz = wypychaczFolderu(gornik);
            tempo = kop(gornik, &wypychacz, [&] {
                dodajLubUzupelnijWezel(gornik.plik("wezly.dat"), "127.0.0.1", wezel.port, "", "");
            });
            wypychacz.zakoncz(Zegar::now() + 2s);
        });
        const std::size_t uGornika = bloki(gornik.plik("blockchain.dat"));
        const std::size_t uUczciwego = bloki(uczciwy.plik("blockchain.dat"));
        std::fprintf(wynik,
                     "1000 martwych wpisow: %.2f tys. skrotow/s, bez wezlow %.2f / %.2f -> %.2f "
                     "odniesienia; uczciwy dopisany po %.0f s: %d wypchniec, ma %zu z %zu "
                     "blokow (%s)\n",
                     tempo, odniesienie.przed, odniesienie.po, tempo / odniesienie.srednia(),
                     std::chrono::duration<double>(CZAS_PROBY / 5).count(), wezel.odebrane.load(),
                     uUczciwego, uGornika, uUczciwego == uGornika ? "wszystkie" : "BRAKI");
    }

    for (const bool wPetli : {false, true}) {
        const Folder gornik(wPetli ? "wolny-w-petli" : "wolny");
        const Folder wolnyFolder(wPetli ? "wolny-peer-2" : "wolny-peer");
        Wezel2 wolny(wolnyFolder, 1000ms);
        dodajLubUzupelnijWezel(gornik.plik("wezly.dat"), "127.0.0.1", wolny.port, "", "");
        double tempo = 0;
        const Odniesienie odniesienie = wOdniesieniu([&] {
            if (wPetli) {
                tempo = kop(gornik, nullptr, {}, [&](const Blockchain& b) {
                    (void)rozglosLancuch(dziennikPomiaru(), b, gornik.plik("wezly.dat"), -1, {});
                });
                return;
            }
            Wypychacz wypychacz = wypychaczFolderu(gornik);
            tempo = kop(gornik, &wypychacz, {});
            wypychacz.zakoncz(Zegar::now() + 3s);
        });
        std::fprintf(wynik,
                     "wolny wezel (1 s), %s: %.2f tys. skrotow/s, bez wezlow %.2f / %.2f -> %.2f "
                     "odniesienia; %d wypchniec, wezel ma %zu z %zu blokow\n",
                     wPetli ? "rozgloszenie w watku petli (dawniej)" : "wypychacz obok petli",
                     tempo, odniesienie.przed, odniesienie.po, tempo / odniesienie.srednia(),
                     wolny.odebrane.load(), bloki(wolnyFolder.plik("blockchain.dat")),
                     bloki(gornik.plik("blockchain.dat")));
    }
    usunFolderRoboczy();
    return 0;
}
