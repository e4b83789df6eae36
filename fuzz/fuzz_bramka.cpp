// Kazdy lancuch, ktory przechodzi bramke, po zapisie calosci i po dopisaniu nowych blokow
// wczytuje sie z pliku do tych samych blokow, a po przerwanym dopisywaniu (bloki z ukrytym
// znacznikiem, uciete w dowolnym miejscu) do blokow sprzed niego.

#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "core/bramka_lancucha.h"
#include "core/format_lancucha.h"
#include "core/plik_lancucha.h"
#include "core/pliki.h"

namespace {

std::string plik;

class Bajty {
public:
    Bajty(const std::uint8_t* dane, std::size_t rozmiar) : dane(dane), rozmiar(rozmiar) {}
    unsigned nastepny() { return pozycja < rozmiar ? dane[pozycja++] : 0u; }

    std::int64_t liczba()
    {
        std::uint64_t wynik = 0;
        for (unsigned i = nastepny() % 9; i > 0; --i)
            wynik = wynik << 8 | nastepny();
        return static_cast<std::int64_t>(wynik);
    }

    // Pola z bajtow wrogich dla tekstu: CR, LF, NUL, znacznik bloku, takze ukryty.
    std::string pole()
    {
        const unsigned rodzaj = nastepny();
        if (rodzaj == 0xFF)
            return std::string(ZNACZNIK_BLOKU);
        if (rodzaj == 0xFE)
            return "#" + std::string(ZNACZNIK_BLOKU.substr(1));
        static const char znaki[] = {'a', '0', '\r', '\n', '\0', '=', '#', ' ', '|', '-'};
        std::string wynik;
        for (unsigned i = rodzaj % 6; i > 0; --i)
            wynik += znaki[nastepny() % sizeof znaki];
        return wynik;
    }

private:
    const std::uint8_t* dane;
    std::size_t rozmiar;
    std::size_t pozycja = 0;
};

std::vector<Blok> bloki(Bajty& bajty)
{
    std::vector<Blok> wynik;
    for (unsigned b = 1 + bajty.nastepny() % 4; b > 0; --b) {
        std::vector<Transakcja> transakcje(bajty.nastepny() % 4);
        for (Transakcja& tx : transakcje) {
            tx.nadawca = bajty.pole();
            tx.odbiorca = bajty.pole();
            tx.kwota = bajty.liczba();
            tx.opis = bajty.pole();
            tx.podpis = bajty.pole();
        }
        const auto indeks = static_cast<std::int32_t>(bajty.liczba());
        std::string poprzedni = bajty.pole();
        std::string hash = bajty.pole();
        const std::int64_t nonce = bajty.liczba();
        wynik.push_back(Blok::zPol(indeks, std::move(poprzedni), std::move(transakcje), nonce,
                                   std::move(hash), bajty.liczba()));
    }
    return wynik;
}

std::vector<Blok> wczytane()
{
    Blockchain lancuch;
    if (!wczytajLancuch(lancuch, plik))
        return {};
    return lancuch.pobierzLancuch().kopia();
}

ino_t wezel()
{
    struct stat info {};
    return ::stat(plik.c_str(), &info) == 0 ? info.st_ino : 0;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Na tmpfs fsync dopisywania nic nie kosztuje.
    char wzor[] = "/dev/shm/talvarin-fuzz-XXXXXX";
    char wzorTmp[] = "/tmp/talvarin-fuzz-XXXXXX";
    const char* folder = ::mkdtemp(wzor);
    if (folder == nullptr && (folder = ::mkdtemp(wzorTmp)) == nullptr)
        std::abort();
    plik = std::string(folder) + "/blockchain.dat";
    const int nic = ::open("/dev/null", O_WRONLY);
    ::dup2(nic, 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar)
{
    Bajty bajty(dane, rozmiar);
    const std::vector<Blok> wszystkie = bloki(bajty);
    if (sprawdzBloki(wszystkie))
        return 0;
    const auto ilePoczatku = static_cast<std::ptrdiff_t>(1 + bajty.nastepny() % wszystkie.size());
    const std::vector<Blok> poczatek(wszystkie.begin(), wszystkie.begin() + ilePoczatku);
    const std::vector<Blok> reszta(wszystkie.begin() + ilePoczatku, wszystkie.end());

    ::unlink(plik.c_str());
    Blockchain lancuch;
    lancuch.zastapLancuch(poczatek);
    if (!zapiszLancuch(lancuch, plik) || wczytane() != poczatek)
        std::abort();
    const ino_t poZapisieCalosci = wezel();
    lancuch.dopiszBloki(std::vector<Blok>(reszta));
    // Ten sam plik (bez wymiany przez rename): nowe bloki zostaly dopisane.
    if (!zapiszLancuch(lancuch, plik) || wezel() != poZapisieCalosci || wczytane() != wszystkie)
        std::abort();

    // Dopisek przerwany przed odkryciem znacznikow: w pliku bloki z "#" zamiast "=" na
    // poczatku znacznika, uciete w dowolnym miejscu.
    std::string tekst;
    for (const Blok& blok : poczatek)
        dopiszTekstBloku(tekst, blok);
    const std::size_t dlugoscPoczatku = tekst.size();
    for (const Blok& blok : reszta) {
        const std::size_t znacznik = tekst.size();
        dopiszTekstBloku(tekst, blok);
        tekst[znacznik] = '#';
    }
    const std::size_t ciecie = dlugoscPoczatku + (bajty.nastepny() << 8 | bajty.nastepny())
        % (tekst.size() - dlugoscPoczatku + 1);
    tekst.resize(ciecie);
    if (!zapiszAtomowo(plik, tekst) || wczytane() != poczatek)
        std::abort();
    return 0;
}
