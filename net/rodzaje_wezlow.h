#pragma once
// Co wiemy o wezlach w tym uruchomieniu: czy mowia synchronizacja blokami, czy znaja tylko
// wymiane calych lancuchow. Wezel starego rodzaju dostaje najwyzej jedna wiadomosc
// synchronizacji na uruchomienie (ktora odrzuca), potem zawsze caly lancuch.

#include <string>

enum class RodzajWezla { nieznany, stary, nowy };

[[nodiscard]] RodzajWezla rodzajWezla(const std::string& ip, int port);
void zapamietajRodzaj(const std::string& ip, int port, RodzajWezla rodzaj);

// Wylaczona synchronizacja: ten proces mowi tylko wymiana calych lancuchow (jako klient
// i jako serwer), jak wezel starego rodzaju.
void ustawSynchronizacje(bool wlaczona);
[[nodiscard]] bool synchronizacjaWlaczona();
