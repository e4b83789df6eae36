#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "dialogi_startowe.h"
#include "pliki.h"
#include "portfel.h"

namespace {

enum class Wybor { Brak, Nowy, Odtworz };

Wybor zapytajOPortfel()
{
    QDialog dialog;
    dialog.setWindowTitle(QObject::tr("Portfel"));
    auto* uklad = new QVBoxLayout(&dialog);
    uklad->addWidget(
        new QLabel(QObject::tr("Nie znaleziono portfela w tym folderze. Co chcesz zrobic?"), &dialog));
    auto* nowy = new QPushButton(QObject::tr("Utworz nowy portfel"), &dialog);
    auto* odtworz = new QPushButton(QObject::tr("Mam fraze odzyskiwania (12 slow)"), &dialog);
    uklad->addWidget(nowy);
    uklad->addWidget(odtworz);

    Wybor wybor = Wybor::Brak;
    QObject::connect(nowy, &QPushButton::clicked, &dialog, [&] {
        wybor = Wybor::Nowy;
        dialog.accept();
    });
    QObject::connect(odtworz, &QPushButton::clicked, &dialog, [&] {
        wybor = Wybor::Odtworz;
        dialog.accept();
    });
    dialog.exec();
    return wybor;
}

} // namespace

void przygotujPortfel()
{
    // Istniejacy plik, nawet pusty albo zepsuty, rozstrzyga okno glowne.
    if (plikIstnieje(PLIK_PORTFELA))
        return;

    switch (zapytajOPortfel()) {
    case Wybor::Nowy: {
        const Fraza fraza = generujFraze();
        // Nieudany zapis jest cichy; okno glowne zrobi wtedy losowy portfel.
        static_cast<void>(zapiszPortfelZFrazy(fraza));
        pokazFraze(fraza);
        break;
    }
    case Wybor::Odtworz:
        // Gdy zapis sie nie udal, pytamy o fraze od nowa.
        for (;;) {
            const Fraza fraza = wpiszFraze();
            if (fraza.empty() || zapiszPortfelZFrazy(fraza))
                break;
        }
        break;
    case Wybor::Brak:
        // Bez wyboru okno glowne zrobi losowy portfel bez frazy.
        break;
    }
}
