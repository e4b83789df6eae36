#include "wezel/katalog_danych.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "core/deskryptor.h"
#include "core/pliki.h"
#include "core/plik_lancucha.h"
#include "portfel/portfel.h"
#include "net/wezly.h"

namespace {

constexpr const char* PLIK_PROBY = ".talvarin-proba-zapisu";

std::string opisBledu(int numer)
{
    return std::strerror(numer);
}

} // namespace

bool przejdzDoKatalogu(const std::string& katalog, std::string& blad)
{
    std::error_code kod;
    const bool byl = std::filesystem::exists(katalog, kod);
    if (!byl) {
        std::filesystem::create_directories(katalog, kod);
        // Portfel trzyma klucz tajny jawnym tekstem: folder tylko dla wlasciciela.
        if (kod || ::chmod(katalog.c_str(), 0700) != 0) {
            blad = "nie mozna utworzyc folderu " + katalog + ": "
                + (kod ? kod.message() : opisBledu(errno));
            return false;
        }
    }
    if (::chdir(katalog.c_str()) != 0) {
        blad = "nie mozna wejsc do folderu " + katalog + ": " + opisBledu(errno);
        return false;
    }
    return true;
}

bool folderZapisywalny(std::string& blad)
{
    Deskryptor fd = Deskryptor::otworz(PLIK_PROBY, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (!fd.otwarty()) {
        blad = std::string("nie mozna pisac w folderze danych: ") + opisBledu(errno);
        return false;
    }
    (void)fd.zamknij();
    ::unlink(PLIK_PROBY);
    return true;
}

bool wyjmijOpcjeKatalogu(int& argc, char** argv, std::string& katalog)
{
    const std::string_view opcja = OPCJA_KATALOGU;
    int zapisane = 1;
    bool dobrze = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == opcja) {
            if (i + 1 >= argc || argv[i + 1][0] == '\0') {
                dobrze = false;
                continue;
            }
            katalog = argv[++i];
        } else if (argument.starts_with(opcja) && argument.size() > opcja.size()
                   && argument[opcja.size()] == '=') {
            katalog = std::string(argument.substr(opcja.size() + 1));
            dobrze = dobrze && !katalog.empty();
        } else {
            argv[zapisane++] = argv[i];
        }
    }
    argv[zapisane] = nullptr;
    argc = zapisane;
    return dobrze;
}

void usunPozostalosciPoAwariach()
{
    (void)usunPozostalosciZapisow(PLIK_LANCUCHA);
    (void)usunPozostalosciZapisow(PLIK_PORTFELA, true);
    (void)usunPozostalosciZapisow(PLIK_WEZLOW);
    (void)usunPozostalosciZapisow(PLIK_SEEDOW);
}
