#include "wezel/blokada_folderu.h"

#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/file.h>
#include <thread>
#include <unistd.h>

#include "core/deskryptor.h"
#include "core/pliki.h"

namespace {

// Trzymajacy zapisuje pid zaraz po zablokowaniu: chwila na to, zanim uznamy go za nieznany.
constexpr int PROB_ODCZYTU_PIDU = 20;
constexpr std::chrono::milliseconds PRZERWA_ODCZYTU{10};

pid_t czytajPid(int fd)
{
    for (int proba = 0; proba < PROB_ODCZYTU_PIDU; ++proba) {
        char bufor[32] = {};
        const ssize_t n = ::pread(fd, bufor, sizeof bufor - 1, 0);
        pid_t pid = 0;
        if (n > 0 && std::from_chars(bufor, bufor + n, pid).ec == std::errc() && pid > 0)
            return pid;
        std::this_thread::sleep_for(PRZERWA_ODCZYTU);
    }
    return 0;
}

} // namespace

WynikBlokady BlokadaFolderu::zajmij(const KatalogDanych& katalog)
{
    std::error_code kod;
    pelnyFolder = std::filesystem::weakly_canonical(katalog.folder, kod).string();
    if (kod)
        pelnyFolder = katalog.folder;
    fd = Deskryptor::otworz(katalog.blokada, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK,
                            0600);
    if (!fd.otwarty()) {
        blad = std::strerror(errno);
        return WynikBlokady::blad;
    }
    if (::flock(*fd, LOCK_EX | LOCK_NB) != 0) {
        const int numer = errno;
        WynikBlokady wynik = WynikBlokady::blad;
        if (numer == EWOULDBLOCK) {
            pid = czytajPid(*fd);
            wynik = WynikBlokady::uzywanyPrzezInny;
        }
        blad = std::strerror(numer);
        (void)fd.zamknij();
        return wynik;
    }
    // Pid dla tego, kto zapyta; blokade trzyma otwarty deskryptor, nie tresc pliku.
    if (::ftruncate(*fd, 0) != 0 || !fd.zapiszWszystko(std::to_string(::getpid()) + "\n"))
        blad = std::strerror(errno);
    return WynikBlokady::zajeta;
}

std::string opisOdmowyBlokady(WynikBlokady wynik, const BlokadaFolderu& blokada)
{
    if (wynik == WynikBlokady::uzywanyPrzezInny) {
        const std::string kto = blokada.pidTrzymajacego() > 0
            ? "proces " + std::to_string(blokada.pidTrzymajacego())
            : std::string("inny proces");
        return "folder danych " + blokada.folder() + " jest juz uzywany przez " + kto
            + " - dwa programy na jednym folderze gubilyby bloki.";
    }
    return "nie mozna zablokowac folderu danych " + blokada.folder() + ": " + blokada.opisBledu();
}
