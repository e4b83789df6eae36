#include <QApplication>

#include "dziennik_konsoli.h"
#include "start.h"

int main(int argc, char* argv[])
{
    // Przed wszystkim innym, zeby zakladka Dziennik dostala kazda linie wezla; konczy sie
    // po zamknieciu okna i oddaje wtedy standardowe wyjscie.
    const DziennikKonsoli dziennik;
    QApplication aplikacja(argc, argv);
    return uruchomProgram(aplikacja, prawdziweBiblioteki());
}
