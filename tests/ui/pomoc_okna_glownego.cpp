#include "pomoc_okna_glownego.h"

#include <QAbstractButton>
#include <QPushButton>
#include <QListWidget>

#include "kwota.h"
#include "plik_lancucha.h"
#include "portfel.h"

std::int64_t jednostki(const char* tekst)
{
    bool ok = false;
    const std::int64_t wynik = parsujKwote(tekst, ok);
    return ok ? wynik : -1;
}

ParaKluczy zapiszNowyPortfel()
{
    const ParaKluczy klucze = generujPareKluczy();
    static_cast<void>(zapiszPortfel(klucze, PLIK_PORTFELA));
    return klucze;
}

void dopiszBlok(Blockchain& lancuch, const std::string& gornik, const std::vector<Transakcja>& platnosci)
{
    const int trudnosc = lancuch.trudnosc;
    lancuch.trudnosc = 0;
    lancuch.wykopIDodajBlok(gornik, platnosci);
    lancuch.trudnosc = trudnosc;
}

void zapiszLancuchTestu(const Blockchain& lancuch)
{
    static_cast<void>(zapiszLancuch(lancuch, PLIK_LANCUCHA));
}

QStringList liniePozycji(const QListWidget* lista)
{
    QStringList linie;
    for (int i = 0; i < lista->count(); ++i)
        linie << lista->item(i)->text();
    return linie;
}

std::size_t blokiWPlikuLancucha()
{
    Blockchain lancuch;
    if (!wczytajLancuch(lancuch, PLIK_LANCUCHA))
        return 0;
    return lancuch.liczbaBlokow();
}

QString skrot12(const std::string& klucz)
{
    return QString::fromStdString(klucz.substr(0, 12)) + QStringLiteral("...");
}

void odpowiedzNaPytanie(SterownikOkien& sterownik, QMessageBox::StandardButton odpowiedz,
                        OdpowiedzNaPytanie* widziane)
{
    sterownik.dodaj([odpowiedz, widziane](QWidget* okno) {
        auto* pytanie = qobject_cast<QMessageBox*>(okno);
        if (pytanie == nullptr) {
            okno->close();
            return;
        }
        if (widziane != nullptr) {
            widziane->tytul = pytanie->windowTitle();
            widziane->tekst = pytanie->text();
            if (QAbstractButton* przycisk = pytanie->defaultButton())
                widziane->domyslny = pytanie->standardButton(przycisk);
        }
        if (odpowiedz == QMessageBox::NoButton) { // jak Escape albo zamkniecie pytania
            pytanie->reject();
            return;
        }
        pytanie->button(odpowiedz)->click();
    });
}
