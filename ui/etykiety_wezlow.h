#pragma once
// Napisy wpisow wezlow na listach zakladek Siec i Wyslij.

#include <QString>

#include "net/wezly.h"

[[nodiscard]] inline QString adresWezla(const Wezel& wezel)
{
    return QString::fromStdString(wezel.ip) + u':' + QString::number(wezel.port);
}

// "Nazwa - A:P" albo sam adres, gdy wezel nie podal nazwy.
[[nodiscard]] inline QString etykietaWezla(const Wezel& wezel)
{
    if (wezel.nazwa.empty())
        return adresWezla(wezel);
    return QString::fromStdString(wezel.nazwa) + QStringLiteral(" - ") + adresWezla(wezel);
}
