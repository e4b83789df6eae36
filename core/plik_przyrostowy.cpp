#include "core/plik_przyrostowy.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/deskryptor.h"
#include "core/format_lancucha.h"
#include "core/odczyt_kawalkami.h"
#include "core/pliki.h"

namespace {

constexpr char ZNAK_UKRYCIA = '#';

std::int64_t nanosekundy(const timespec& czas)
{
    return static_cast<std::int64_t>(czas.tv_sec) * 1000000000 + czas.tv_nsec;
}

bool tenSamPlik(const StanPliku& stan, const struct stat& info)
{
    return stan.urzadzenie == static_cast<std::uint64_t>(info.st_dev)
        && stan.wezel == static_cast<std::uint64_t>(info.st_ino);
}

// Rozmiar i oba czasy takie, jakie byly przy ostatnim zapamietaniu.
bool bezZmianOdStanu(const StanPliku& stan, const struct stat& info)
{
    return info.st_size == stan.rozmiar && nanosekundy(info.st_mtim) == stan.czasZmianyNs
        && nanosekundy(info.st_ctim) == stan.czasStatusuNs;
}

void zapamietajStat(StanPliku& stan, const struct stat& info)
{
    stan.urzadzenie = static_cast<std::uint64_t>(info.st_dev);
    stan.wezel = static_cast<std::uint64_t>(info.st_ino);
    stan.rozmiar = info.st_size;
    stan.czasZmianyNs = nanosekundy(info.st_mtim);
    stan.czasStatusuNs = nanosekundy(info.st_ctim);
}

// Ostatni trzymany blok lezy w pliku tam, gdzie byl: tania proba, ze czesc sie nie zmienila.
bool ostatniBlokNaMiejscu(const Deskryptor& fd, const StanPliku& stan)
{
    const std::string& wzor = stan.tekstOstatniego;
    const std::int64_t dlugosc = stan.dlugosc - stan.poczatekOstatniego;
    if (wzor.empty() || static_cast<std::int64_t>(wzor.size()) != dlugosc)
        return false;
    std::string w(wzor.size(), '\0');
    std::size_t mam = 0;
    while (mam < w.size()) {
        const auto gdzie = stan.poczatekOstatniego + static_cast<std::int64_t>(mam);
        const ssize_t n = fd.czytajOd(w.data() + mam, w.size() - mam, static_cast<off_t>(gdzie));
        if (n <= 0)
            return false;
        mam += static_cast<std::size_t>(n);
    }
    return w == wzor;
}

// Dopisywanie dalej jest mozliwe tylko za wierszem zakonczonym LF: inaczej dopisek
// przedluzylby ostatnie pole ostatniego bloku.
bool konczySieLf(const std::string& tekst, const PolozenieOstatniego& bloki)
{
    return bloki.koniecOstatniego > 0 && tekst[bloki.koniecOstatniego - 1] == '\n';
}

bool maCrPrzedLf(const std::string& tekst)
{
    return tekst.find("\r\n") != std::string::npos;
}

// Stan pliku po tym, jak lancuch stal sie zgodny z `tekst` zaczynajacym sie w pliku w `od`.
void zapamietajBloki(Blockchain& ksiega, const PolozenieOstatniego& bloki, const std::string& tekst,
                     std::int64_t od)
{
    StanPliku& stan = ksiega.plik;
    stan.poczatekOstatniego = od + static_cast<std::int64_t>(bloki.poczatekOstatniego);
    stan.dlugosc = od + static_cast<std::int64_t>(bloki.koniecOstatniego);
    stan.tekstOstatniego = tekst.substr(bloki.poczatekOstatniego,
                                        bloki.koniecOstatniego - bloki.poczatekOstatniego);
}

// Plik to wciaz ten, z ktorym lancuch jest zgodny, a trzymana czesc lezy na swoim miejscu.
bool plikZnany(const Deskryptor& fd, const StanPliku& stan, struct stat& info)
{
    return ::fstat(*fd, &info) == 0 && tenSamPlik(stan, info) && info.st_size >= stan.dlugosc
        && ostatniBlokNaMiejscu(fd, stan);
}

// Lancuch jest teraz zgodny z plikiem w stanie `info`.
void zapamietajZgodnosc(Blockchain& ksiega, const struct stat& info)
{
    zapamietajStat(ksiega.plik, info);
    ksiega.plik.punkt = ksiega.punkt();
}

// Caly plik `sciezka` w stanie `info` to tekst lancucha; `polozenie` wskazuje ostatni blok.
void zapamietajCalyPlik(Blockchain& ksiega, const std::string& sciezka,
                        const PolozenieOstatniego& polozenie, const std::string& tekst,
                        const struct stat& info)
{
    ksiega.plik.sciezka = sciezka;
    zapamietajBloki(ksiega, polozenie, tekst, 0);
    zapamietajZgodnosc(ksiega, info);
}

} // namespace

namespace {
bool wczytajCaloscNaraz(Blockchain& ksiega, const std::string& sciezka);
} // namespace

bool plikTakiJakStan(const StanPliku& stan)
{
    struct stat info {};
    return ::stat(stan.sciezka.c_str(), &info) == 0 && tenSamPlik(stan, info)
        && bezZmianOdStanu(stan, info);
}

Wczytanie wczytajPrzyrost(Blockchain& ksiega, const std::string& sciezka)
{
    StanPliku& stan = ksiega.plik;
    if (stan.sciezka != sciezka || !ksiega.zawiera(stan.punkt))
        return Wczytanie::trzebaCalosci;
    const Deskryptor fd = Deskryptor::otworz(sciezka, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (!fd.otwarty())
        return Wczytanie::blad;
    if (!plikZnany(fd, stan, info))
        return Wczytanie::trzebaCalosci;
    const bool tenSamStan = bezZmianOdStanu(stan, info);
    if (!tenSamStan && info.st_size <= stan.rozmiar)
        return Wczytanie::trzebaCalosci; // zmiana bez wzrostu: mogla dotknac trzymanej czesci
    OdczytaneBloki nowe;
    if (!tenSamStan) {
        std::string ogon;
        if (!fd.doczytajDoKonca(ogon, static_cast<off_t>(stan.dlugosc)))
            return Wczytanie::blad;
        if (maCrPrzedLf(ogon))
            return Wczytanie::trzebaCalosci;
        // Zla liczba w nowej czesci psuje caly plik tak samo, jak przy pelnym wczytaniu.
        if (!parsujBloki(ogon, nowe))
            return Wczytanie::blad;
        if (!nowe.bloki.empty() && !konczySieLf(ogon, nowe))
            return Wczytanie::trzebaCalosci;
        if (!nowe.bloki.empty())
            zapamietajBloki(ksiega, nowe, ogon, stan.dlugosc);
    }
    // Bloki wykopane tylko w pamieci ustepuja temu, co jest w pliku.
    ksiega.obetnij(stan.punkt.liczba);
    ksiega.dopiszBloki(std::move(nowe.bloki));
    zapamietajZgodnosc(ksiega, info);
    return tenSamStan ? Wczytanie::bezZmian : Wczytanie::doczytano;
}

bool wczytajCalosc(Blockchain& ksiega, const std::string& sciezka)
{
    WczytanyPlik plik;
    const OdczytKawalkami odczyt = wczytajKawalkami(sciezka, plik);
    if (odczyt == OdczytKawalkami::blad || (odczyt == OdczytKawalkami::wczytano && plik.bloki.bloki.empty()))
        return false;
    if (odczyt == OdczytKawalkami::zwyklyOdczyt)
        return wczytajCaloscNaraz(ksiega, sciezka);
    ksiega.zastapLancuch(std::move(plik.bloki.bloki));
    ksiega.plik = StanPliku{};
    // Dopisywanie dalej jest mozliwe tylko za wierszem zakonczonym LF.
    if (plik.tekstOstatniego.empty() || plik.tekstOstatniego.back() != '\n')
        return true;
    StanPliku& stan = ksiega.plik;
    stan.sciezka = sciezka;
    stan.poczatekOstatniego = static_cast<std::int64_t>(plik.bloki.poczatekOstatniego);
    stan.dlugosc = static_cast<std::int64_t>(plik.bloki.koniecOstatniego);
    stan.tekstOstatniego = std::move(plik.tekstOstatniego);
    zapamietajZgodnosc(ksiega, plik.info);
    return true;
}

namespace {

// Caly tekst w pamieci: plik, ktorego nie da sie czytac kawalkami.
bool wczytajCaloscNaraz(Blockchain& ksiega, const std::string& sciezka)
{
    // Stan pliku sprzed czytania: dopisek w trakcie zostanie doczytany nastepnym razem.
    struct stat info {};
    std::optional<std::string> odczyt = wczytajPlik(sciezka, &info);
    if (!odczyt)
        return false;
    std::string& tekst = *odczyt;
    const bool zCr = usunCrPrzedLf(tekst);
    PolozenieOstatniego polozenie;
    if (!parsujLancuch(ksiega, tekst, polozenie))
        return false;
    ksiega.plik = StanPliku{};
    // Po usunieciu CR polozenia w tekscie nie sa polozeniami w pliku.
    if (zCr || !konczySieLf(tekst, polozenie))
        return true;
    zapamietajCalyPlik(ksiega, sciezka, polozenie, tekst, info);
    return true;
}

} // namespace

bool dopiszDoPliku(Blockchain& ksiega, const std::string& sciezka)
{
    StanPliku& stan = ksiega.plik;
    if (stan.sciezka != sciezka || !ksiega.zawiera(stan.punkt))
        return false;
    // Bez O_CREAT: plik odlozony na bok albo usuniety wymaga pelnego zapisu.
    const Deskryptor fd = Deskryptor::otworz(sciezka, O_RDWR | O_CLOEXEC | O_NONBLOCK);
    struct stat info {};
    if (!fd.otwarty() || !plikZnany(fd, stan, info))
        return false;
    const auto& bloki = ksiega.pobierzLancuch();
    std::string tekst;
    std::vector<std::size_t> znaczniki;
    OdczytaneBloki polozenie;
    for (std::size_t i = stan.punkt.liczba; i < bloki.size(); ++i) {
        polozenie.poczatekOstatniego = tekst.size();
        znaczniki.push_back(tekst.size());
        dopiszTekstBloku(tekst, bloki[i]);
    }
    polozenie.koniecOstatniego = tekst.size();
    // Nowe bloki trafiaja do pliku z ukrytym znacznikiem ("#== BLOK ==="), wiec czytelnik ich
    // nie widzi, dopoki nie sa zapisane w calosci. Potem kazdy znacznik odkrywa jeden bajt,
    // od pierwszego bloku: przerwanie w dowolnej chwili zostawia tylko cale bloki.
    for (const std::size_t z : znaczniki)
        tekst[z] = ZNAK_UKRYCIA;
    // Najpierw obciecie do ostatniej dobrej dlugosci: resztki przerwanego dopisywania znikaja.
    if (::ftruncate(*fd, static_cast<off_t>(stan.dlugosc)) != 0
        || !fd.zapiszWszystkoOd(tekst, static_cast<off_t>(stan.dlugosc)) || ::fsync(*fd) != 0)
        return false;
    for (const std::size_t z : znaczniki) {
        tekst[z] = ZNACZNIK_BLOKU[0];
        const std::int64_t gdzie = stan.dlugosc + static_cast<std::int64_t>(z);
        if (!fd.zapiszWszystkoOd(std::string_view(&tekst[z], 1), static_cast<off_t>(gdzie)))
            return false;
    }
    if (::fsync(*fd) != 0 || ::fstat(*fd, &info) != 0)
        return false;
    if (!tekst.empty())
        zapamietajBloki(ksiega, polozenie, tekst, stan.dlugosc);
    zapamietajZgodnosc(ksiega, info);
    return true;
}

bool zapiszCalosc(Blockchain& ksiega, const std::string& sciezka)
{
    const std::string tekst = serializujLancuch(ksiega);
    ksiega.plik = StanPliku{};
    struct stat info {};
    if (!zapiszAtomowo(sciezka, tekst))
        return false;
    if (tekst.empty() || ::stat(sciezka.c_str(), &info) != 0)
        return true;
    std::string ostatni;
    dopiszTekstBloku(ostatni, ksiega.pobierzLancuch().back());
    OdczytaneBloki polozenie;
    polozenie.koniecOstatniego = tekst.size();
    polozenie.poczatekOstatniego = tekst.size() - ostatni.size();
    zapamietajCalyPlik(ksiega, sciezka, polozenie, tekst, info);
    return true;
}
