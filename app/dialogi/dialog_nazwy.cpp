#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogi/dialogi_startowe.h"
#include "net/obecnosc.h"
#include "portfel/portfel.h"

namespace {

QLabel* naglowek(QDialog& dialog)
{
    // Nazwa monety i symbol zostaja bez tlumaczenia.
    auto* etykieta = new QLabel(QStringLiteral("Talvarin (TLV)"), &dialog);
    QFont czcionka = etykieta->font();
    czcionka.setPointSize(20);
    czcionka.setBold(true);
    etykieta->setFont(czcionka);
    etykieta->setAlignment(Qt::AlignCenter);
    return etykieta;
}

} // namespace

QString zapytajONazwe(const KatalogDanych& katalog)
{
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Talvarin"));
    dialog.setMinimumWidth(320);
    auto* uklad = new QVBoxLayout(&dialog);
    uklad->addWidget(naglowek(dialog));
    auto* wersja = new QLabel(QObject::tr("Wersja 0.1"), &dialog);
    wersja->setAlignment(Qt::AlignCenter);
    uklad->addWidget(wersja);
    uklad->addWidget(new QLabel(QObject::tr("Twoja nazwa:"), &dialog));
    auto* pole = new QLineEdit(QString::fromStdString(wczytajNazweUzytkownika(katalog.nazwa)), &dialog);
    // Nazwa jedzie w ogloszeniu obecnosci: znak UTF-16 to najwyzej 3 bajty UTF-8.
    pole->setMaxLength(static_cast<int>(MAKS_BAJTOW_NAZWY / 3));
    pole->setPlaceholderText(QObject::tr("Wpisz jak mamy Cie nazywac"));
    uklad->addWidget(pole);
    uklad->addStretch();
    auto* przycisk = new QPushButton(QObject::tr("Kontynuuj"), &dialog);
    uklad->addWidget(przycisk);

    auto sprawdzPole = [pole, przycisk] { przycisk->setEnabled(!pole->text().trimmed().isEmpty()); };
    sprawdzPole();
    QObject::connect(pole, &QLineEdit::textChanged, przycisk, sprawdzPole);

    QString wynik;
    QObject::connect(przycisk, &QPushButton::clicked, &dialog, [&] {
        wynik = pole->text().trimmed();
        // Nieudany zapis jest cichy: nazwa i tak obowiazuje w tym uruchomieniu.
        static_cast<void>(zapiszNazweUzytkownika(wynik.toStdString(), katalog.nazwa));
        dialog.accept();
    });
    dialog.adjustSize();
    dialog.exec();
    return wynik;
}
