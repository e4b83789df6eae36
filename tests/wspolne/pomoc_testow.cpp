#include "pomoc_testow.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

FolderTymczasowy::FolderTymczasowy()
{
    char wzor[] = "/tmp/talvarin-test-XXXXXX";
    if (::mkdtemp(wzor) == nullptr)
        throw std::runtime_error("mkdtemp");
    folder = wzor;
}

FolderTymczasowy::~FolderTymczasowy()
{
    std::error_code blad;
    std::filesystem::permissions(folder, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, blad);
    std::filesystem::remove_all(folder, blad);
}

std::size_t FolderTymczasowy::liczbaWpisow() const
{
    std::size_t ile = 0;
    for ([[maybe_unused]] const auto& wpis : std::filesystem::directory_iterator(folder))
        ++ile;
    return ile;
}

PrzechwycWyjscie::PrzechwycWyjscie()
{
    std::cout.flush();
    std::fflush(stdout);
    char wzor[] = "/tmp/talvarin-wyjscie-XXXXXX";
    plikFd = ::mkstemp(wzor);
    if (plikFd < 0)
        throw std::runtime_error("mkstemp");
    ::unlink(wzor);
    zapasowy = ::dup(1);
    ::dup2(plikFd, 1);
}

PrzechwycWyjscie::~PrzechwycWyjscie() { zakoncz(); }

void PrzechwycWyjscie::zakoncz()
{
    if (zapasowy < 0)
        return;
    std::cout.flush();
    std::fflush(stdout);
    ::dup2(zapasowy, 1);
    ::close(zapasowy);
    zapasowy = -1;
    ::lseek(plikFd, 0, SEEK_SET);
    char bufor[4096];
    ssize_t n = 0;
    while ((n = ::read(plikFd, bufor, sizeof bufor)) > 0)
        zebrane.append(bufor, static_cast<std::size_t>(n));
    ::close(plikFd);
    plikFd = -1;
}

std::string PrzechwycWyjscie::tekst()
{
    zakoncz();
    return zebrane;
}

std::string czytajPlikTestu(const std::string& sciezka)
{
    std::ifstream plik(sciezka, std::ios::binary);
    std::ostringstream tresc;
    tresc << plik.rdbuf();
    return tresc.str();
}

void zapiszPlikTestu(const std::string& sciezka, const std::string& tekst)
{
    std::ofstream plik(sciezka, std::ios::binary | std::ios::trunc);
    plik << tekst;
}

int wProcesiePotomnym(const std::function<int()>& praca, bool bezRoota)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (bezRoota && ::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        ::_exit(praca());
    }
    int stan = 0;
    if (::waitpid(pid, &stan, 0) != pid || !WIFEXITED(stan))
        return -1;
    return WEXITSTATUS(stan);
}

int nasluchNaLoopbacku(int kolejka, int& port)
{
    const int g = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in adres{AF_INET, 0, {htonl(INADDR_LOOPBACK)}, {}};
    socklen_t dlugosc = sizeof adres;
    if (::bind(g, reinterpret_cast<sockaddr*>(&adres), sizeof adres) != 0 || ::listen(g, kolejka) != 0
        || ::getsockname(g, reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0) {
        ::close(g);
        return -1;
    }
    port = ntohs(adres.sin_port);
    return g;
}

int wolnyPort()
{
    int port = 0;
    ::close(nasluchNaLoopbacku(1, port));
    return port;
}

Blockchain lancuchTestowy(int trudnosc, int ile, const std::string& gornik)
{
    Blockchain lancuch;
    lancuch.trudnosc = trudnosc;
    dokop(lancuch, gornik, ile);
    return lancuch;
}

void dokop(Blockchain& lancuch, const std::string& gornik, int ile,
           const std::vector<Transakcja>& platnosci)
{
    PrzechwycWyjscie cisza;
    for (int i = 0; i < ile; ++i)
        lancuch.wykopIDodajBlok(gornik, platnosci);
}

void przeliczOd(Blockchain& lancuch, std::size_t od)
{
    std::vector<Blok> bloki = lancuch.lancuch.kopia();
    for (std::size_t i = od; i < bloki.size(); ++i) {
        if (i > 0)
            bloki[i].poprzedniHash = bloki[i - 1].hash;
        bloki[i].hash = bloki[i].obliczHash();
    }
    lancuch.lancuch = LancuchBlokow(bloki);
}

void zmienBlok(Blockchain& lancuch, std::size_t i, const std::function<void(Blok&)>& zmiana)
{
    Blok blok = lancuch.lancuch[i];
    zmiana(blok);
    lancuch.lancuch.ustaw(i, blok);
}
