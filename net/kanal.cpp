#include "kanal.h"

#include "ramki.h"

bool KanalGniazda::wyslij(std::initializer_list<std::string_view> czesci)
{
    return wyslijCzesci(gniazdo, czesci, limit);
}

std::string KanalGniazda::odbierz(long long maksDlugosc)
{
    return odbierzWiadomosc(gniazdo, limit, maksDlugosc);
}
