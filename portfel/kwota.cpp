#include "portfel/kwota.h"

#include <charconv>
#include <limits>

namespace {

constexpr std::int64_t NAJWIEKSZA = std::numeric_limits<std::int64_t>::max();
constexpr std::size_t CYFR_ULAMKA = 8;

bool sameCyfry(std::string_view tekst)
{
    for (const char z : tekst)
        if (z < '0' || z > '9')
            return false;
    return true;
}

// Same cyfry dziesietne (zera wiodace wolno) -> wartosc; nic, gdy ponad INT64_MAX.
bool naLiczbe(std::string_view cyfry, std::int64_t& wynik)
{
    const char* koniec = cyfry.data() + cyfry.size();
    const auto [gdzie, blad] = std::from_chars(cyfry.data(), koniec, wynik);
    return blad == std::errc{} && gdzie == koniec;
}

} // namespace

std::string formatujKwote(std::int64_t kwota)
{
    // Modul w arytmetyce bez znaku: -INT64_MIN nie miesci sie w int64_t.
    const bool ujemna = kwota < 0;
    const std::uint64_t modul = ujemna ? 0u - static_cast<std::uint64_t>(kwota)
                                       : static_cast<std::uint64_t>(kwota);
    const std::uint64_t skala = JEDNOSTEK_NA_MONETE;
    const std::uint64_t calosc = modul / skala;
    std::uint64_t ulamek = modul % skala;

    std::string wynik = ujemna ? "-" : "";
    wynik += std::to_string(calosc);
    if (ulamek == 0)
        return wynik;

    char cyfry[CYFR_ULAMKA];
    for (std::size_t i = CYFR_ULAMKA; i-- > 0;) {
        cyfry[i] = static_cast<char>('0' + ulamek % 10);
        ulamek /= 10;
    }
    std::size_t dlugosc = CYFR_ULAMKA;
    while (cyfry[dlugosc - 1] == '0')
        --dlugosc;
    wynik += '.';
    wynik.append(cyfry, dlugosc);
    return wynik;
}

std::int64_t parsujKwote(std::string_view tekst, bool& ok)
{
    ok = false;
    if (tekst.empty())
        return 0;

    // Przecinek i kropka znacza to samo; szukamy pierwszego z nich.
    const std::size_t separator = tekst.find_first_of(".,");
    const std::string_view calkowita = tekst.substr(0, separator);
    const std::string_view ulamkowa =
        separator == std::string_view::npos ? std::string_view{} : tekst.substr(separator + 1);

    if (calkowita.empty() || ulamkowa.size() > CYFR_ULAMKA)
        return 0;
    // Drugi separator, znak, spacja, litera czy bajt spoza ASCII - wszystko odpada tutaj.
    if (!sameCyfry(calkowita) || !sameCyfry(ulamkowa))
        return 0;

    std::string ulamekPelny(ulamkowa);
    ulamekPelny.resize(CYFR_ULAMKA, '0');

    std::int64_t calosc = 0;
    std::int64_t ulamek = 0;
    if (!naLiczbe(calkowita, calosc) || !naLiczbe(ulamekPelny, ulamek))
        return 0;
    if (calosc > (NAJWIEKSZA - ulamek) / JEDNOSTEK_NA_MONETE)
        return 0;

    ok = true;
    return calosc * JEDNOSTEK_NA_MONETE + ulamek;
}
