#pragma once
// Kolejne wiadomosci w jednym polaczeniu (rozmowa synchronizacji): wysylka ramki i odbior
// nastepnej, kazda z limitem ciszy, terminem i najwieksza dlugoscia.

#include <chrono>
#include <initializer_list>
#include <string>
#include <string_view>

#include "net/gniazda.h"

class Kanal {
public:
    virtual ~Kanal() = default;
    // Jedna ramka z czesci wyslanych jedna za druga.
    [[nodiscard]] virtual bool wyslij(std::initializer_list<std::string_view> czesci) = 0;
    // Nastepna ramka; pusty tekst, gdy nie przyszla (cisza, zerwanie, za dluga).
    [[nodiscard]] virtual std::string odbierz(long long maksDlugosc) = 0;

    [[nodiscard]] std::string zapytaj(std::string_view prosba, long long maksDlugosc)
    {
        return wyslij({prosba}) ? odbierz(maksDlugosc) : std::string();
    }
};

// Kanal na gniazdzie, ktorego nie posiada (zamyka je wlasciciel).
class KanalGniazda final : public Kanal {
public:
    KanalGniazda(Gniazdo gniazdo, std::chrono::milliseconds limit) : gniazdo(gniazdo), limit(limit) {}
    [[nodiscard]] bool wyslij(std::initializer_list<std::string_view> czesci) override;
    [[nodiscard]] std::string odbierz(long long maksDlugosc) override;

private:
    Gniazdo gniazdo = NIEPRAWIDLOWE_GNIAZDO;
    std::chrono::milliseconds limit;
};
