#pragma once
// Kolejne wiadomosci w jednym polaczeniu (rozmowa synchronizacji): wysylka ramki i odbior
// nastepnej, kazda z limitem ciszy, terminem i najwieksza dlugoscia.

#include <chrono>
#include <initializer_list>
#include <stop_token>
#include <string>
#include <string_view>
#include <utility>

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

// Kanal na gniazdzie, ktorego nie posiada (zamyka je wlasciciel, ktory zyje dluzej).
// Kazde czekanie konczy tez `stop`.
class KanalGniazda final : public Kanal {
public:
    KanalGniazda(const Gniazdo& gniazdo, std::chrono::milliseconds limit, std::stop_token stop)
        : gniazdo(gniazdo), limit(limit), stop(std::move(stop)) {}
    [[nodiscard]] bool wyslij(std::initializer_list<std::string_view> czesci) override;
    [[nodiscard]] std::string odbierz(long long maksDlugosc) override;

private:
    const Gniazdo& gniazdo;
    std::chrono::milliseconds limit;
    std::stop_token stop;
};
