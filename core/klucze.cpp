#include "core/klucze.h"

#include <sodium.h>

#include "core/skrot.h"

ParaKluczy generujPareKluczy()
{
    ParaKluczy para;
    crypto_sign_keypair(para.bajty.data(), para.bajty.data() + 32);
    return para;
}

ParaKluczy paraKluczyZZiarna(const Ziarno& ziarno)
{
    ParaKluczy para;
    crypto_sign_seed_keypair(para.bajty.data(), para.bajty.data() + 32, ziarno.data());
    return para;
}

std::string kluczPublicznyHex(const ParaKluczy& klucze)
{
    return bajtyNaHex(klucze.publiczny(), 32);
}

std::string podpiszTekst(const ParaKluczy& klucze, std::string_view wiadomosc)
{
    unsigned char podpis[crypto_sign_BYTES];
    crypto_sign_detached(podpis, nullptr, reinterpret_cast<const unsigned char*>(wiadomosc.data()),
                         wiadomosc.size(), klucze.tajny());
    return bajtyNaHex(podpis, sizeof podpis);
}

bool weryfikujPodpis(std::string_view wiadomosc, std::string_view podpis, std::string_view klucz)
{
    if (podpis.size() != 128 || klucz.size() != 64)
        return false;
    unsigned char bajtyPodpisu[64];
    unsigned char bajtyKlucza[32];
    if (!hexNaBajty(podpis, bajtyPodpisu, sizeof bajtyPodpisu)
        || !hexNaBajty(klucz, bajtyKlucza, sizeof bajtyKlucza))
        return false;
    return crypto_sign_verify_detached(bajtyPodpisu,
                                       reinterpret_cast<const unsigned char*>(wiadomosc.data()),
                                       wiadomosc.size(), bajtyKlucza)
        == 0;
}

bool czyPoprawnyKluczPubliczny(std::string_view tekst)
{
    if (tekst.size() != 64)
        return false;
    for (const char z : tekst) {
        const bool cyfra = (z >= '0' && z <= '9') || (z >= 'a' && z <= 'f') || (z >= 'A' && z <= 'F');
        if (!cyfra)
            return false;
    }
    return true;
}
