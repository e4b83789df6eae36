#include <QApplication>

#include "start.h"

int main(int argc, char* argv[])
{
    QApplication aplikacja(argc, argv);
    return uruchomProgram(aplikacja, prawdziweBiblioteki());
}
