#include "core/skrot.h"

#include <cerrno>
#include <cstdlib>
#include <sodium.h>

namespace {
constexpr char cyfryHex[] = "0123456789abcdef";
}

void sha256Bajty(std::string_view tekst, unsigned char (&skrot)[32])
{
    static_assert(crypto_hash_sha256_BYTES == 32);
    crypto_hash_sha256(skrot, reinterpret_cast<const unsigned char*>(tekst.data()), tekst.size());
}

std::string sha256Hex(std::string_view tekst)
{
    unsigned char skrot[32];
    sha256Bajty(tekst, skrot);
    return bajtyNaHex(skrot, sizeof skrot);
}

std::string bajtyNaHex(const unsigned char* bajty, std::size_t ile)
{
    std::string wynik(ile * 2, '0');
    for (std::size_t i = 0; i < ile; ++i) {
        wynik[2 * i] = cyfryHex[bajty[i] >> 4];
        wynik[2 * i + 1] = cyfryHex[bajty[i] & 0x0f];
    }
    return wynik;
}

bool hexNaBajty(std::string_view tekst, unsigned char* wyjscie, std::size_t ile)
{
    for (std::size_t i = 0; i < ile; ++i) {
        if (tekst.size() < 2 * i)
            return false;
        // Para (albo jeden znak na koncu tekstu) zamieniona jak przez strtol.
        const std::string_view para = tekst.substr(2 * i, 2);
        char bufor[3] = {0, 0, 0};
        para.copy(bufor, para.size());
        char* koniec = nullptr;
        errno = 0;
        const long wartosc = std::strtol(bufor, &koniec, 16);
        if (koniec == bufor || errno == ERANGE)
            return false;
        wyjscie[i] = static_cast<unsigned char>(static_cast<unsigned long>(wartosc) & 0xffu);
    }
    return true;
}
