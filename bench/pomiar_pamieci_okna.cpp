// Pamiec i start okna na dlugim lancuchu (nie test): okno (bez ekranu) na folderze z plikiem
// z generuj_lancuch, czas do bezczynnosci po otwarciu, potem nasluch i petla kopania przez
// kilka sekund, na koniec szczyt pamieci procesu. Uruchamiac w prywatnej przestrzeni
// sieciowej (unshare -n): okno nasluchuje i oglasza sie.
// Uzycie: pomiar_pamieci_okna <folder danych> <port> <sekundy pracy>

#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <memory>
#include <sodium.h>

#include "core/dziennik.h"
#include "net/gniazda.h"
#include "ui/mainwindow.h"
#include "narzedzia_pomiarow.h"

namespace {

template <typename T>
T* element(QWidget& okno, const char* nazwa)
{
    return okno.findChild<T*>(QString::fromLatin1(nazwa));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 4 || sodium_init() < 0 || !inicjalizujSiec())
        return 2;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    QElapsedTimer zegar;
    zegar.start();
    MainWindow okno(KatalogDanych::w(argv[1]), dziennikPomiaru(), QStringLiteral("Pomiar"));
    okno.show();
    // Bezczynnosc: pierwsze przejscie petli zdarzen bez pracy do zrobienia.
    QTimer::singleShot(0, &aplikacja, [&] {
        std::printf("okno_bezczynne_s %.2f\n", static_cast<double>(zegar.elapsed()) / 1000.0);
        element<QLineEdit>(okno, "editPortNasluchu")->setText(QString::fromLatin1(argv[2]));
        element<QPushButton>(okno, "buttonNasluchuj")->click();
        element<QPushButton>(okno, "buttonKopWPetli")->click();
        QTimer::singleShot(std::atoi(argv[3]) * 1000, &aplikacja, &QApplication::quit);
    });
    const int kod = QApplication::exec();
    std::printf("okno_szczyt_MB %.0f\n", szczytPamieciMB());
    std::fflush(stdout);
    zakonczSiec();
    return kod;
}
