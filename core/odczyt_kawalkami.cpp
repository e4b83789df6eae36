#include "core/odczyt_kawalkami.h"

#include <cerrno>
#include <fcntl.h>
#include <string_view>
#include <unistd.h>

#include "core/deskryptor.h"

namespace {

// Dopisuje do `bufor` nastepny kawalek pliku; false przy bledzie odczytu.
bool doczytaj(const Deskryptor& fd, std::size_t ile, std::string& bufor, bool& koniec)
{
    const std::size_t bylo = bufor.size();
    bufor.resize(bylo + ile);
    std::size_t mam = 0;
    while (mam < ile) {
        const ssize_t n = fd.czytaj(bufor.data() + bylo + mam, ile - mam);
        if (n < 0)
            return false;
        if (n == 0) {
            koniec = true;
            break;
        }
        mam += static_cast<std::size_t>(n);
    }
    bufor.resize(bylo + mam);
    return true;
}

} // namespace

OdczytKawalkami wczytajKawalkami(const std::string& sciezka, WczytanyPlik& wynik,
                                 std::size_t rozmiarKawalka)
{
    const Deskryptor plik = Deskryptor::otworz(sciezka, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (!plik.otwarty())
        return OdczytKawalkami::blad;
    if (::fstat(*plik, &wynik.info) != 0 || !S_ISREG(wynik.info.st_mode))
        return OdczytKawalkami::zwyklyOdczyt;
    std::string bufor;
    std::size_t baza = 0;
    bool koniec = false;
    while (!koniec) {
        const std::size_t sprawdzoneCr = bufor.empty() ? 0 : bufor.size() - 1;
        if (!doczytaj(plik, rozmiarKawalka, bufor, koniec))
            return OdczytKawalkami::blad;
        // CR przed LF usuwa sie w calym tekscie naraz, wiec taki plik idzie zwykla droga.
        if (bufor.find("\r\n", sprawdzoneCr) != std::string::npos)
            return OdczytKawalkami::zwyklyOdczyt;
        const std::size_t lf = bufor.rfind('\n');
        if (!koniec && lf == std::string::npos)
            continue;
        const std::string_view gotowe(bufor.data(), koniec ? bufor.size() : lf + 1);
        const std::size_t blokowPrzed = wynik.bloki.bloki.size();
        std::size_t zuzyte = 0;
        if (!parsujKawalek(gotowe, koniec, baza, wynik.bloki, zuzyte))
            return OdczytKawalkami::blad;
        if (wynik.bloki.bloki.size() != blokowPrzed) {
            const OdczytaneZwarte& b = wynik.bloki;
            wynik.tekstOstatniego.assign(bufor, b.poczatekOstatniego - baza,
                                         b.koniecOstatniego - b.poczatekOstatniego);
        }
        bufor.erase(0, zuzyte);
        baza += zuzyte;
    }
    return OdczytKawalkami::wczytano;
}
