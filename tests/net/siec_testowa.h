#pragma once
// Symulowana siec lokalna do testow: jedna przestrzen sieciowa na hosta, polaczone mostem
// w osobnej przestrzeni. Nazwy zawieraja PID, wiec rownolegle przebiegi sie nie zderzaja.
// Nic nie wychodzi poza te przestrzenie.

#include <functional>
#include <string>
#include <thread>
#include <vector>

class SiecLan {
public:
    explicit SiecLan(int liczbaHostow);
    ~SiecLan();
    SiecLan(const SiecLan&) = delete;
    SiecLan& operator=(const SiecLan&) = delete;

    // false, gdy przestrzeni nie da sie utworzyc; wtedy test ma sie pominac (GTEST_SKIP).
    [[nodiscard]] bool gotowa() const { return udana; }
    [[nodiscard]] const std::string& przyczyna() const { return powod; }
    // Hosty numerowane od 1.
    [[nodiscard]] std::string nazwaHosta(int host) const;
    [[nodiscard]] std::string adres(int host) const;
    [[nodiscard]] std::string sciezkaHosta(int host) const;

private:
    static bool uruchom(const std::string& polecenie);
    std::string przedrostek;
    std::vector<std::string> utworzone;
    bool udana = false;
    std::string powod;
};

// Tworzy `siec` z `hosty` hostami albo pomija test (GTEST_SKIP), gdy sie nie da.
#define SIEC_LAN_ALBO_POMIN(siec, hosty) \
    SiecLan siec(hosty);                 \
    if (!siec.gotowa())                  \
        GTEST_SKIP() << siec.przyczyna()

// Watek, ktory przed wywolaniem funkcji wchodzi do przestrzeni sieciowej hosta.
// Gdy wejscie sie nie uda, funkcja nie jest wolana.
[[nodiscard]] std::thread watekWHoscie(const SiecLan& siec, int host, std::function<void()> praca);

// Jeden datagram UDP na adres i port (z przestrzeni biezacego watku).
bool wyslijDatagram(const std::string& adres, int port, const std::string& tresc);
