// Pomocnik testow wezla: kod 0, gdy plik lancucha sie wczytuje, jest poprawny i ma co
// najmniej tyle blokow, ile podano. Wypisuje liczbe blokow.
// Uzycie: sprawdz_lancuch <plik> <min_blokow>

#include <cstdlib>
#include <iostream>

#include "plik_lancucha.h"

int main(int argc, char** argv)
{
    if (argc != 3)
        return 2;
    Blockchain lancuch;
    if (!wczytajLancuch(lancuch, argv[1]) || !lancuch.czyLancuchPoprawny())
        return 1;
    std::cout << lancuch.liczbaBlokow() << "\n";
    return lancuch.liczbaBlokow() >= std::strtoull(argv[2], nullptr, 10) ? 0 : 1;
}
