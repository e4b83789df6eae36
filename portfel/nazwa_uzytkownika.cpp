#include <array>
#include <string_view>

#include "core/pliki.h"
#include "core/znaki.h"
#include "portfel/portfel.h"

namespace {

// Biale znaki spoza ASCII (jak QChar::isSpace) zapisane w UTF-8.
constexpr std::array<std::string_view, 19> BIALE_UNICODE = {
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81",
    "\xE2\x80\x82", "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86",
    "\xE2\x80\x87", "\xE2\x80\x88", "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8",
    "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F", "\xE3\x80\x80",
};

// Dlugosc bialego znaku na poczatku (odKonca = false) albo na koncu tekstu; 0, gdy go nie ma.
std::size_t dlugoscBialego(std::string_view tekst, bool odKonca)
{
    if (tekst.empty())
        return 0;
    if (bialyZnak(odKonca ? tekst.back() : tekst.front()))
        return 1;
    auto pasuje = [&](std::string_view wzor) {
        return odKonca ? tekst.ends_with(wzor) : tekst.starts_with(wzor);
    };
    for (const std::string_view wzor : BIALE_UNICODE)
        if (pasuje(wzor))
            return wzor.size();
    return 0;
}

std::string obetnij(std::string_view tekst)
{
    while (const std::size_t n = dlugoscBialego(tekst, false))
        tekst.remove_prefix(n);
    while (const std::size_t n = dlugoscBialego(tekst, true))
        tekst.remove_suffix(n);
    return std::string(tekst);
}

} // namespace

std::string wczytajNazweUzytkownika(const std::string& sciezka)
{
    const std::optional<std::string> zawartosc = wczytajPlik(sciezka);
    return zawartosc ? obetnij(*zawartosc) : std::string{};
}

bool zapiszNazweUzytkownika(const std::string& nazwa, const std::string& sciezka)
{
    return zapiszAtomowo(sciezka, obetnij(nazwa));
}
