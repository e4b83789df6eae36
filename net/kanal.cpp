#include "net/kanal.h"

#include "net/ramki.h"

bool KanalGniazda::wyslij(std::initializer_list<std::string_view> czesci)
{
    return wyslijCzesci(gniazdo, czesci, stop, limit);
}

std::string KanalGniazda::odbierz(long long maksDlugosc)
{
    return odbierzWiadomosc(gniazdo, stop, limit, maksDlugosc);
}
