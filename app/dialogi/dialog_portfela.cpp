#include <QDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cerrno>
#include <cstring>

#include "app/dialogi/dialogi_startowe.h"
#include "core/pliki.h"
#include "portfel/portfel.h"

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

// Nowy portfel z fraza; false, gdy pliku nie udalo sie zapisac (wtedy fraza nie jest
// pokazywana: nie odtworzylaby klucza, ktorego uzyje program).
bool utworzPortfel(const std::string& sciezka)
{
    const Fraza fraza = generujFraze();
    if (zapiszPortfelZFrazy(fraza, sciezka)) {
        pokazFraze(fraza);
        return true;
    }
    const QString powod = QString::fromLocal8Bit(std::strerror(errno));
    const QString plik = QFileInfo(QString::fromStdString(sciezka)).absoluteFilePath();
    QMessageBox::critical(nullptr, QObject::tr("Blad"),
                          QObject::tr("Nie udalo sie zapisac portfela do pliku %1: %2.\n"
                                      "Fraza odzyskiwania nie zostala pokazana, bo nie odtworzylaby "
                                      "tego portfela.")
                              .arg(plik, powod),
                          QMessageBox::Ok);
    return false;
}

} // namespace

void przygotujPortfel(const KatalogDanych& katalog)
{
    // Istniejacy plik, nawet pusty albo zepsuty, rozstrzyga okno glowne.
    if (plikIstnieje(katalog.portfel))
        return;

    for (;;) {
        switch (zapytajOPortfel()) {
        case Wybor::Nowy:
            // Po bledzie zapisu wybor portfela od nowa (np. po zwolnieniu miejsca na dysku).
            if (utworzPortfel(katalog.portfel))
                return;
            break;
        case Wybor::Odtworz:
            // Gdy zapis sie nie udal, pytamy o fraze od nowa.
            for (;;) {
                const Fraza fraza = wpiszFraze();
                if (fraza.empty() || zapiszPortfelZFrazy(fraza, katalog.portfel))
                    return;
            }
        case Wybor::Brak:
            // Bez wyboru okno glowne zrobi losowy portfel bez frazy.
            return;
        }
    }
}
