#include "ui/dziennik_konsoli.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <iostream>
#include <pthread.h>
#include <system_error>
#include <unistd.h>
#include <utility>

#include "core/deskryptor.h"

namespace {

std::mutex mutexBiezacego;
DziennikKonsoli* dziennikBiezacy = nullptr;

std::int64_t terazMs()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
}

void oproznijWyjscie()
{
    std::cout.flush();
    std::fflush(stdout);
}

} // namespace

DziennikKonsoli::DziennikKonsoli()
{
    std::lock_guard blokada(mutexBiezacego);
    // Bez otwartego fd 1 potok dostalby jego numer: nie ma wtedy czego przechwytywac.
    if (dziennikBiezacy != nullptr || ::fcntl(STDOUT_FILENO, F_GETFD) < 0)
        return;
    int potok[2] = {-1, -1};
    if (::pipe2(potok, O_CLOEXEC) != 0)
        return;
    Deskryptor doCzytania(potok[0]);
    Deskryptor doPisania(potok[1]);
    oproznijWyjscie();
    Deskryptor pierwotne(::fcntl(STDOUT_FILENO, F_DUPFD_CLOEXEC, 3));
    if (!pierwotne.otwarty() || ::dup2(*doPisania, STDOUT_FILENO) < 0)
        return;
    (void)doPisania.zamknij();
    pierwotneWyjscie = std::move(pierwotne);
    koniecDoCzytania = std::move(doCzytania);
    // Do potoku stdio buforowaloby cale bloki; linia ma dotrzec do okna od razu.
    std::setvbuf(stdout, nullptr, _IOLBF, BUFSIZ);
    try {
        czytnik = std::thread([this] { czytaj(); });
    } catch (const std::system_error&) {
        // Bez czytnika nikt nie oproznialby potoku: wyjscie wraca na swoje miejsce.
        ::dup2(*pierwotneWyjscie, STDOUT_FILENO);
        (void)pierwotneWyjscie.zamknij();
        (void)koniecDoCzytania.zamknij();
        return;
    }
    dziennikBiezacy = this;
}

DziennikKonsoli::~DziennikKonsoli()
{
    if (!dziala())
        return;
    {
        std::lock_guard blokada(mutexBiezacego);
        dziennikBiezacy = nullptr;
    }
    oproznijWyjscie();
    // Zamyka ostatni koniec potoku do pisania: czytnik dostaje koniec danych.
    ::dup2(*pierwotneWyjscie, STDOUT_FILENO);
    czytnik.join();
    (void)koniecDoCzytania.zamknij();
    (void)pierwotneWyjscie.zamknij();
}

DziennikKonsoli* DziennikKonsoli::biezacy()
{
    std::lock_guard blokada(mutexBiezacego);
    return dziennikBiezacy;
}

void DziennikKonsoli::ustawPowiadomienie(const void* wlasciciel, std::function<void()> nowe)
{
    std::lock_guard blokada(mutex);
    wlascicielPowiadomienia = wlasciciel;
    powiadomienie = std::move(nowe);
    if (powiadomienie && !kolejka.empty())
        powiadomienie();
}

void DziennikKonsoli::usunPowiadomienie(const void* wlasciciel)
{
    std::lock_guard blokada(mutex);
    if (wlascicielPowiadomienia != wlasciciel)
        return;
    wlascicielPowiadomienia = nullptr;
    powiadomienie = nullptr;
}

std::vector<LiniaKonsoli> DziennikKonsoli::odbierzLinie()
{
    std::lock_guard blokada(mutex);
    std::vector<LiniaKonsoli> linie(std::make_move_iterator(kolejka.begin()),
                                    std::make_move_iterator(kolejka.end()));
    kolejka.clear();
    return linie;
}

void DziennikKonsoli::czytaj()
{
    // Zamkniete pierwotne wyjscie ma dawac blad zapisu, a nie konczyc procesu sygnalem.
    sigset_t maska;
    sigemptyset(&maska);
    sigaddset(&maska, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &maska, nullptr);

    char bufor[4096];
    std::string reszta;
    for (;;) {
        const ssize_t n = koniecDoCzytania.czytaj(bufor, sizeof bufor);
        if (n <= 0)
            break;
        const auto ile = static_cast<std::size_t>(n);
        przepisz(bufor, ile);
        reszta.append(bufor, ile);
        std::size_t poczatek = 0;
        for (std::size_t lf = reszta.find('\n'); lf != std::string::npos;
             lf = reszta.find('\n', poczatek)) {
            dodajLinie(reszta.substr(poczatek, lf - poczatek));
            poczatek = lf + 1;
        }
        reszta.erase(0, poczatek);
        if (reszta.size() > LIMIT_DLUGOSCI_LINII)
            dodajLinie(std::exchange(reszta, {}));
    }
    if (!reszta.empty())
        dodajLinie(std::move(reszta));
}

void DziennikKonsoli::przepisz(const char* dane, std::size_t ile)
{
    // Po bledzie potok dalej jest czytany, zeby piszacy nigdy nie czekali.
    if (przepisywanie && !pierwotneWyjscie.zapiszWszystko(std::string_view(dane, ile)))
        przepisywanie = false;
}

void DziennikKonsoli::dodajLinie(std::string tekst)
{
    std::lock_guard blokada(mutex);
    const bool bylaPusta = kolejka.empty();
    kolejka.push_back({terazMs(), std::move(tekst)});
    if (kolejka.size() > LIMIT_LINII)
        kolejka.pop_front();
    if (bylaPusta && powiadomienie)
        powiadomienie();
}
