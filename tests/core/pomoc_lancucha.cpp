#include "pomoc_lancucha.h"

Blockchain lancuchTestowy(int trudnosc)
{
    Blockchain lancuch;
    lancuch.trudnosc = trudnosc;
    return lancuch;
}

void dokop(Blockchain& lancuch, const std::string& gornik, int ile)
{
    for (int i = 0; i < ile; ++i)
        lancuch.wykopIDodajBlok(gornik, {});
}

void przeliczHash(Blok& blok)
{
    blok.hash = blok.obliczHash();
}
