// Pomocnik testow wezla: kod 0, gdy plik lancucha sie wczytuje, jest poprawny i ma co
// najmniej tyle blokow, ile podano. Wypisuje liczbe blokow, a z kluczem takze jego saldo.
// Uzycie: sprawdz_lancuch <plik> <min_blokow> [klucz]

#include <cstdlib>
#include <iostream>
#include <string>

#include "core/plik_lancucha.h"

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4)
        return 2;
    Blockchain lancuch;
    if (!wczytajLancuch(lancuch, argv[1]) || !lancuch.czyLancuchPoprawny())
        return 1;
    const std::string saldo = argc == 4 ? " " + std::to_string(lancuch.saldo(argv[3])) : "";
    std::cout << lancuch.liczbaBlokow() << saldo << "\n";
    return lancuch.liczbaBlokow() >= std::strtoull(argv[2], nullptr, 10) ? 0 : 1;
}
