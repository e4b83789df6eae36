#include "ui/dane_okna.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QTimer>

#include <utility>

#include "core/plik_lancucha.h"
#include "net/obecnosc.h"
#include "portfel/portfel.h"
#include "ui/przyciski.h"
#include "ui/teksty_okna.h"

namespace {

constexpr int OKRES_ZEGARA_PLIKU_MS = 1000;

// Czas modyfikacji pliku w ms od epoki; 0, gdy pliku nie ma.
std::int64_t czasZmiany(const std::string& sciezka)
{
    const QFileInfo plik(QString::fromStdString(sciezka));
    return plik.exists() ? plik.lastModified().toMSecsSinceEpoch() : 0;
}

} // namespace

DaneOkna::DaneOkna(const KatalogDanych& katalog, Dziennik& dziennik, const QString& nazwa,
                   QLineEdit* polePortu, QObject* rodzic)
    : QObject(rodzic), pliki(katalog), dziennikOkna(dziennik), polePortu(polePortu),
      mostWezla(std::make_unique<MostWezla>())
{
    // Losowa para, gdy pliku portfela nie da sie wczytac; wtedy od razu zapisana.
    klucze = otworzPortfel(dziennikOkna, pliki.portfel, &prawaPoprawione);
    klucz = kluczPublicznyHex(klucze);
    static_cast<void>(wczytajLancuch(mojLancuch, pliki.lancuch));
    obiektWezla = std::make_unique<WezelProgramu>(
        pliki, TozsamoscWezla{klucz, wygenerujIdWezla(), nazwa.toStdString()}, *mostWezla,
        dziennikOkna);

    ostatniaZmianaPliku = czasZmiany(pliki.lancuch);
    zegarPliku = new QTimer(this);
    connect(zegarPliku, &QTimer::timeout, this, &DaneOkna::sprawdzZmianyPliku);
    connect(mostWezla.get(), &MostWezla::rozgloszonoWTle, this,
            [this](const WynikRozgloszenia& wynik) { naRozgloszono(wynik); });
    connect(mostWezla.get(), &MostWezla::pobrano, this,
            [this](qint64 odrzucony, bool przyjeto) { naPobrano(odrzucony, przyjeto); });
    connect(mostWezla.get(), &MostWezla::bootstrapSkonczony, this, &DaneOkna::wezlyZmienione);
}

// Watki wezla koncza sie przed mostem, ktory wolaja.
DaneOkna::~DaneOkna() { obiektWezla.reset(); }

int DaneOkna::port() const
{
    bool ok = false;
    const int wartosc = polePortu->text().toInt(&ok, 10);
    return ok ? wartosc : -1;
}

void DaneOkna::wczytajZPliku()
{
    const Punkt przed = mojLancuch.punkt();
    static_cast<void>(wczytajLancuch(mojLancuch, pliki.lancuch));
    emit lancuchZmieniony(przed);
}

void DaneOkna::rozglos(CelRozgloszenia cel)
{
    if (obiektWezla->rozglos(mojLancuch, port(), cel))
        return;
    // Bez watku nic nie zostalo wyslane: wynik "zaden z N wezlow", podany od razu.
    emit mostWezla->rozgloszonoWTle(WynikRozgloszenia{0, liczbaWezlowDoRozgloszenia(), {}}, cel);
}

bool DaneOkna::pobierz(std::vector<Wezel> skad, CelPobrania cel)
{
    return obiektWezla->pobierz(std::move(skad), port(), cel);
}

int DaneOkna::liczbaWezlowDoRozgloszenia() const
{
    const int mojPort = port();
    int ile = 0;
    for (const Wezel& wezel : wczytajWezly(pliki.wezly))
        if (!czyToJa(wezel.ip, wezel.port, mojPort))
            ++ile;
    return ile;
}

void DaneOkna::naRozgloszono(const WynikRozgloszenia& wynik)
{
    // Wezel odmowil, bo ma dluzszy lancuch: pora go pobrac.
    if (wynik.decyzje.najdluzszyJego > static_cast<std::int64_t>(mojLancuch.liczbaBlokow()))
        static_cast<void>(pobierzOdZnanych(CelPobrania::zwykle));
}

void DaneOkna::naPobrano(qint64 odrzuconySaldem, bool przyjeto)
{
    dluzszy = std::max<std::int64_t>(dluzszy, odrzuconySaldem);
    // Plik zmienil watek pobierania; zegar pliku nie zawsze dziala.
    if (przyjeto)
        odswiezWTle();
}

void DaneOkna::ustawPetle(bool dziala)
{
    petlaDziala = dziala;
    ustawZegar();
    emit petlaZmieniona(dziala);
}

void DaneOkna::ustawNasluch(bool aktywny)
{
    nasluchAktywny = aktywny;
    ustawZegar();
}

void DaneOkna::ustawZegar()
{
    if (!petlaDziala && !nasluchAktywny)
        zegarPliku->stop();
    else if (!zegarPliku->isActive())
        zegarPliku->start(OKRES_ZEGARA_PLIKU_MS);
}

void DaneOkna::sprawdzZmianyPliku()
{
    const std::int64_t czas = czasZmiany(pliki.lancuch);
    if (std::exchange(ostatniaZmianaPliku, czas) != czas)
        odswiezWTle();
}

void DaneOkna::odswiezWTle()
{
    wczytajZPliku();
    emit odswiezonoWTle();
}

void odswiezZPliku(DaneOkna& dane, QPushButton* przycisk)
{
    dane.wczytajZPliku();
    pokazOdswiezono(przycisk);
}

void pokazOdswiezono(QPushButton* przycisk)
{
    napisNaChwile(przycisk, trOkna(TEKST_ODSWIEZONO), TEKST_ODSWIEZ, 1000);
}
