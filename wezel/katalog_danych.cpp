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
#include "wezel/blokada_folderu.h"

namespace {

constexpr const char* PLIK_PROBY = ".talvarin-proba-zapisu";

std::string opisBledu(int numer)
{
    return std::strerror(numer);
}

} // namespace

KatalogDanych KatalogDanych::w(const std::string& folder)
{
    const auto sciezka = [&folder](const char* nazwa) {
        return folder == "." ? std::string(nazwa) : folder + "/" + nazwa;
    };
    return KatalogDanych{folder,
                         sciezka(PLIK_LANCUCHA),
                         sciezka(PLIK_PORTFELA),
                         sciezka(PLIK_WEZLOW),
                         sciezka(PLIK_SEEDOW),
                         sciezka(PLIK_NAZWY_UZYTKOWNIKA),
                         sciezka(PLIK_BLOKADY),
                         sciezka(PLIK_JEZYKA),
                         sciezka(PLIK_PROBY)};
}

bool przygotujFolder(const KatalogDanych& katalog, std::string& blad)
{
    const std::string& folder = katalog.folder;
    std::error_code kod;
    if (!std::filesystem::exists(folder, kod)) {
        std::filesystem::create_directories(folder, kod);
        // Portfel trzyma klucz tajny jawnym tekstem: folder tylko dla wlasciciela.
        if (kod || ::chmod(folder.c_str(), 0700) != 0) {
            blad = "nie mozna utworzyc folderu " + folder + ": "
                + (kod ? kod.message() : opisBledu(errno));
            return false;
        }
    }
    // Wejscie do folderu sprawdzalo kiedys, ze to folder, do ktorego wolno wejsc.
    if (::access(folder.c_str(), X_OK) != 0 || !std::filesystem::is_directory(folder, kod)) {
        blad = "nie mozna wejsc do folderu " + folder + ": "
            + opisBledu(errno != 0 ? errno : ENOTDIR);
        return false;
    }
    return true;
}

bool folderZapisywalny(const KatalogDanych& katalog, std::string& blad)
{
    const char* proba = katalog.probaZapisu.c_str();
    Deskryptor fd = Deskryptor::otworz(proba, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (!fd.otwarty()) {
        blad = std::string("nie mozna pisac w folderze danych: ") + opisBledu(errno);
        return false;
    }
    (void)fd.zamknij();
    ::unlink(proba);
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

void usunPozostalosciPoAwariach(const KatalogDanych& katalog)
{
    (void)usunPozostalosciZapisow(katalog.lancuch);
    (void)usunPozostalosciZapisow(katalog.portfel, true);
    (void)usunPozostalosciZapisow(katalog.wezly);
    (void)usunPozostalosciZapisow(katalog.seedy);
}
