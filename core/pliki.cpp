#include "core/pliki.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

#include "core/deskryptor.h"

namespace {

std::string folderPliku(const std::string& sciezka)
{
    const std::size_t ukosnik = sciezka.rfind('/');
    if (ukosnik == std::string::npos)
        return ".";
    return ukosnik == 0 ? "/" : sciezka.substr(0, ukosnik);
}

// Po rename trwale zapisuje tez wpis w folderze; blad tutaj nie cofa zapisu.
void synchronizujFolder(const std::string& sciezka)
{
    const Deskryptor fd =
        Deskryptor::otworz(folderPliku(sciezka), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd.otwarty())
        (void)::fsync(*fd);
}

std::string nazwaTymczasowa(const std::string& sciezka)
{
    static std::atomic<unsigned long> licznik{0};
    std::string nazwa = sciezka;
    nazwa.append(".tmp.").append(std::to_string(::getpid()));
    nazwa.append(".").append(std::to_string(++licznik));
    return nazwa;
}

} // namespace

std::optional<std::string> wczytajPlik(const std::string& sciezka, struct stat* stan)
{
    // O_NONBLOCK: otwarcie FIFO bez pisarza nie czeka; potem i tak odmawiamy.
    const Deskryptor fd = Deskryptor::otworz(sciezka, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (!fd.otwarty())
        return std::nullopt;
    std::string tekst;
    struct stat info {};
    if (::fstat(*fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    if (stan != nullptr)
        *stan = info;
    if (info.st_size > 0)
        tekst.reserve(static_cast<std::size_t>(info.st_size));
    if (!fd.doczytajDoKonca(tekst))
        return std::nullopt;
    return tekst;
}

bool zapiszAtomowo(const std::string& sciezka, std::string_view tekst, mode_t tryb)
{
    // FIFO albo urzadzenie pod nazwa pliku nie jest po cichu zastepowane.
    if (!zwyklyLubBrak(sciezka))
        return false;
    const std::string tymczasowy = nazwaTymczasowa(sciezka);
    Deskryptor fd = Deskryptor::otworz(tymczasowy, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
    if (!fd.otwarty())
        return false;
    bool dobrze = fd.zapiszWszystko(tekst) && ::fsync(*fd) == 0;
    dobrze = fd.zamknij() && dobrze;
    if (dobrze)
        dobrze = ::rename(tymczasowy.c_str(), sciezka.c_str()) == 0;
    if (!dobrze) {
        // errno mowi wywolujacemu, dlaczego zapis sie nie udal; sprzatanie go nie zmienia.
        const int blad = errno;
        ::unlink(tymczasowy.c_str());
        errno = blad;
        return false;
    }
    synchronizujFolder(sciezka);
    return true;
}

bool plikIstnieje(const std::string& sciezka)
{
    struct stat info {};
    return ::lstat(sciezka.c_str(), &info) == 0;
}

bool zwyklyLubBrak(const std::string& sciezka)
{
    struct stat info {};
    if (::stat(sciezka.c_str(), &info) != 0)
        return errno == ENOENT;
    return S_ISREG(info.st_mode);
}

std::string odlozNaBok(const std::string& sciezka)
{
    for (int numer = 0; numer < 1000; ++numer) {
        std::string nowa = sciezka + ".uszkodzony";
        if (numer > 0)
            nowa.append(".").append(std::to_string(numer));
        // link() nie nadpisuje istniejacej nazwy, w przeciwienstwie do rename().
        if (::link(sciezka.c_str(), nowa.c_str()) == 0) {
            ::unlink(sciezka.c_str());
            return nowa;
        }
        if (errno == EEXIST)
            continue;
        if (plikIstnieje(nowa))
            continue;
        // System plikow bez twardych dowiazan.
        if (::rename(sciezka.c_str(), nowa.c_str()) == 0)
            return nowa;
        return {};
    }
    return {};
}

bool usunCrPrzedLf(std::string& tekst)
{
    if (tekst.find("\r\n") == std::string::npos)
        return false;
    std::size_t cel = 0;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n')
            continue;
        tekst[cel++] = tekst[i];
    }
    tekst.resize(cel);
    return true;
}

namespace {

// Pid z nazwy "<plik>.tmp.<pid>.<n>"; 0, gdy nazwa nie ma tej postaci.
pid_t pidPozostalosci(std::string_view nazwa, std::string_view przedrostek)
{
    if (!nazwa.starts_with(przedrostek))
        return 0;
    nazwa.remove_prefix(przedrostek.size());
    const std::size_t kropka = nazwa.find('.');
    if (kropka == 0 || kropka == std::string_view::npos || kropka + 1 == nazwa.size())
        return 0;
    long long pid = 0;
    for (const char znak : nazwa.substr(0, kropka)) {
        if (znak < '0' || znak > '9' || pid > 1000000000)
            return 0;
        pid = pid * 10 + (znak - '0');
    }
    for (const char znak : nazwa.substr(kropka + 1))
        if (znak < '0' || znak > '9')
            return 0;
    return static_cast<pid_t>(pid);
}

bool procesZyje(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

// Nadpisuje tresc zerami i utrwala to przed usunieciem (plik z kluczem tajnym).
void zamaz(const std::string& sciezka)
{
    const Deskryptor fd =
        Deskryptor::otworz(sciezka, O_WRONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
    if (!fd.otwarty())
        return;
    struct stat info {};
    if (::fstat(*fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0) {
        const std::string zera(static_cast<std::size_t>(info.st_size), '\0');
        (void)fd.zapiszWszystko(zera);
        (void)::fsync(*fd);
    }
}

} // namespace

int usunPozostalosciZapisow(const std::string& sciezka, bool zamazac)
{
    const std::string folder = folderPliku(sciezka);
    const std::size_t ukosnik = sciezka.rfind('/');
    const std::string przedrostek =
        (ukosnik == std::string::npos ? sciezka : sciezka.substr(ukosnik + 1)) + ".tmp.";
    const std::unique_ptr<DIR, int (*)(DIR*)> katalog(::opendir(folder.c_str()), &::closedir);
    if (katalog == nullptr)
        return 0;
    int usuniete = 0;
    while (const dirent* wpis = ::readdir(katalog.get())) {
        const pid_t pid = pidPozostalosci(wpis->d_name, przedrostek);
        if (pid <= 0 || procesZyje(pid))
            continue;
        const std::string pelna = folder + "/" + wpis->d_name;
        struct stat info {};
        if (::lstat(pelna.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
            continue;
        if (zamazac)
            zamaz(pelna);
        if (::unlink(pelna.c_str()) == 0)
            ++usuniete;
    }
    return usuniete;
}
