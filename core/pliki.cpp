#include "pliki.h"

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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
    const int fd = ::open(folderPliku(sciezka).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        (void)::fsync(fd);
        ::close(fd);
    }
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

bool zapiszWszystko(int fd, std::string_view tekst)
{
    while (!tekst.empty()) {
        const ssize_t n = ::write(fd, tekst.data(), tekst.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        tekst.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::optional<std::string> wczytajPlik(const std::string& sciezka)
{
    const int fd = ::open(sciezka.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    std::string tekst;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && info.st_size > 0)
        tekst.reserve(static_cast<std::size_t>(info.st_size));
    char bufor[65536];
    for (;;) {
        const ssize_t n = ::read(fd, bufor, sizeof bufor);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0)
            break;
        tekst.append(bufor, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return tekst;
}

bool zapiszAtomowo(const std::string& sciezka, std::string_view tekst, mode_t tryb)
{
    const std::string tymczasowy = nazwaTymczasowa(sciezka);
    const int fd = ::open(tymczasowy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, tryb);
    if (fd < 0)
        return false;
    bool dobrze = zapiszWszystko(fd, tekst) && ::fsync(fd) == 0;
    dobrze = (::close(fd) == 0) && dobrze;
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

void usunCrPrzedLf(std::string& tekst)
{
    if (tekst.find("\r\n") == std::string::npos)
        return;
    std::size_t cel = 0;
    for (std::size_t i = 0; i < tekst.size(); ++i) {
        if (tekst[i] == '\r' && i + 1 < tekst.size() && tekst[i + 1] == '\n')
            continue;
        tekst[cel++] = tekst[i];
    }
    tekst.resize(cel);
}
