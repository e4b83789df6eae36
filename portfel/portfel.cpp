#include "portfel/portfel.h"

#include <fcntl.h>
#include <sodium.h>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

#include "core/czytnik_wierszy.h"
#include "core/dziennik.h"
#include "core/deskryptor.h"
#include "core/pliki.h"
#include "core/skrot.h"

namespace {

constexpr std::size_t ZNAKOW_PUBLICZNEGO = 64;
constexpr std::size_t ZNAKOW_TAJNEGO = 128;
// Klucz tajny w pliku jawnym tekstem: tylko wlasciciel czyta i pisze.
constexpr mode_t PRAWA_PORTFELA = 0600;

// Kolejna linia bez CR stojacego tuz przed LF (plik mogl przejsc przez edytor z Windows).
bool nastepnaLinia(CzytnikWierszy& czytnik, std::string_view& linia)
{
    if (!czytnik.nastepny(linia))
        return false;
    if (!linia.empty() && linia.back() == '\r')
        linia.remove_suffix(1);
    return true;
}

// Tekst z kluczem tajnym nie zostaje w zwolnionej pamieci.
void wyczysc(std::string& tekst)
{
    sodium_memzero(tekst.data(), tekst.size());
}

void tylkoDlaWlasciciela(const std::string& sciezka)
{
    struct stat info {};
    if (::lstat(sciezka.c_str(), &info) == 0 && S_ISREG(info.st_mode))
        (void)::chmod(sciezka.c_str(), PRAWA_PORTFELA);
}

} // namespace

bool zapiszPortfel(const ParaKluczy& klucze, const std::string& sciezka)
{
    std::string tekst = bajtyNaHex(klucze.publiczny(), 32) + '\n' + bajtyNaHex(klucze.tajny(), 64)
        + '\n';
    const bool zapisany = zapiszAtomowo(sciezka, tekst, PRAWA_PORTFELA);
    wyczysc(tekst);
    return zapisany;
}

bool wczytajPortfel(ParaKluczy& klucze, const std::string& sciezka)
{
    std::optional<std::string> zawartosc = wczytajPlik(sciezka);
    if (!zawartosc)
        return false;
    CzytnikWierszy czytnik(*zawartosc);
    std::string_view publiczny;
    std::string_view tajny;
    ParaKluczy nowe;
    const bool dobrze = nastepnaLinia(czytnik, publiczny) && nastepnaLinia(czytnik, tajny)
        && publiczny.size() == ZNAKOW_PUBLICZNEGO && tajny.size() == ZNAKOW_TAJNEGO
        && hexNaBajty(publiczny, nowe.bajty.data(), 32)
        && hexNaBajty(tajny, nowe.bajty.data() + 32, 64);
    wyczysc(*zawartosc);
    // Klucze podmieniane dopiero, gdy obie linie sie odkodowaly.
    if (dobrze)
        klucze = nowe;
    sodium_memzero(nowe.bajty.data(), nowe.bajty.size());
    return dobrze;
}

bool zabezpieczPrawaPortfela(Dziennik& dziennik, const std::string& sciezka)
{
    // Na otwartym pliku: sprawdzenie i zmiana praw dotycza tego samego pliku, nie dowiazania.
    const Deskryptor fd =
        Deskryptor::otworz(sciezka, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (!fd.otwarty())
        return false;
    struct stat info {};
    const bool dlaInnych = ::fstat(*fd, &info) == 0 && S_ISREG(info.st_mode)
        && (info.st_mode & 077) != 0 && ::fchmod(*fd, PRAWA_PORTFELA) == 0;
    if (dlaInnych) {
        dziennik.zglos({.rodzaj = RodzajWpisu::prawaPortfela,
                        .ile = static_cast<std::int64_t>(info.st_mode & 07777), .plik = sciezka});
    }
    return dlaInnych;
}

ParaKluczy otworzPortfel(Dziennik& dziennik, const std::string& sciezka, bool* poprawionoPrawa)
{
    ParaKluczy klucze = generujPareKluczy();
    if (wczytajPortfel(klucze, sciezka)) {
        const bool poprawiono = zabezpieczPrawaPortfela(dziennik, sciezka);
        if (poprawionoPrawa != nullptr)
            *poprawionoPrawa = poprawiono;
        return klucze;
    }

    // Na nieczytelnym pliku moga wisiec monety uzytkownika: nigdy go nie nadpisujemy.
    if (plikIstnieje(sciezka)) {
        const std::string nowa = odlozNaBok(sciezka);
        if (nowa.empty()) {
            dziennik.zglos({.rodzaj = RodzajWpisu::portfelNieDoPrzeniesienia, .plik = sciezka});
            return klucze;
        }
        tylkoDlaWlasciciela(nowa);
        dziennik.zglos({.rodzaj = RodzajWpisu::portfelPrzeniesiony, .plik = sciezka, .nowyPlik = nowa});
    }
    // Bez zapisu program dziala dalej na tej parze; przy nastepnym starcie bedzie nowa.
    (void)zapiszPortfel(klucze, sciezka);
    return klucze;
}
