// Koszt okna wraz z dlugoscia lancucha: przycisk odswiezenia lancucha (wczytanie i trzy przebudowy),
// kazda przebudowa osobno i przycisk "Kop blok", obok samego wczytajLancuch. Wszystko w folderze
// tymczasowym; rozgloszenie bloku nie ma zadnych wezlow, wiec nic nie wychodzi z maszyny.

#include "pomiary.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTemporaryDir>

#include <sodium.h>
#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <map>
#include <memory>

#include "ui/dane_okna.h"
#include "ui/mainwindow.h"
#include "ui/teksty_okna.h"
#include "ui/zakladka_lancuch.h"
#include "ui/zakladka_odebrane.h"
#include "ui/zakladka_przeglad.h"
#include "core/plik_lancucha.h"
#include "portfel/portfel.h"

// Kroki okna przez jego publiczne czesci: zakladki, przyciski i wspolne dane.
namespace PomiarOkna {

template <typename T>
T* dziecko(MainWindow& okno, const char* nazwa) { return okno.findChild<T*>(QLatin1String(nazwa)); }
void kliknij(MainWindow& okno, const char* przycisk) { dziecko<QPushButton>(okno, przycisk)->click(); }

void lista(MainWindow& okno) { dziecko<ZakladkaLancuch>(okno, "tabLancuch")->odswiez(); }
void przeglad(MainWindow& okno) { dziecko<ZakladkaPrzeglad>(okno, "tabPrzeglad")->odswiez(); }
void odebrane(MainWindow& okno) { dziecko<ZakladkaOdebrane>(okno, "tabOdebrane")->odswiez(); }
void odswiezLancuch(MainWindow& okno) { kliknij(okno, "buttonOdswiezLancuch"); }
void kopBlok(MainWindow& okno) { kliknij(okno, "buttonKop"); }
void sprawdzPlik(MainWindow& okno) { okno.dane().sprawdzZmianyPliku(); }
void nasluchuj(MainWindow& okno) { kliknij(okno, "buttonNasluchuj"); }
void kopWPetli(MainWindow& okno) { kliknij(okno, "buttonKopWPetli"); }
bool nasluchAktywny(MainWindow& okno)
{
    return dziecko<QPushButton>(okno, "buttonNasluchuj")->text() == MainWindow::tr(TEKST_ZATRZYMAJ_NASLUCH);
}
std::size_t bloki(MainWindow& okno) { return okno.dane().lancuch().liczbaBlokow(); }

} // namespace PomiarOkna

namespace {

// Folder danych z portfelem i lancuchem `ile` blokow: nagrody na przemian dla mnie
// i dla innego klucza, co piaty blok z platnoscia (na przemian do mnie i ode mnie),
// wiec przebudowy przechodza przez rozne wiersze tabeli.
QString folderZLancuchem(int ile)
{
    static std::map<int, std::unique_ptr<QTemporaryDir>> gotowe;
    auto& wpis = gotowe[ile];
    if (wpis)
        return wpis->path();
    wpis = std::make_unique<QTemporaryDir>();
    const std::string folder = wpis->path().toStdString();
    const ParaKluczy ja = generujPareKluczy();
    const ParaKluczy inny = generujPareKluczy();
    const std::string mojKlucz = kluczPublicznyHex(ja);
    const std::string innyKlucz = kluczPublicznyHex(inny);
    static_cast<void>(zapiszPortfel(ja, folder + "/" + PLIK_PORTFELA));
    Blockchain lancuch;
    lancuch.trudnosc = 0; // dowod pracy nie jest tu mierzony
    for (int i = 1; i < ile; ++i) {
        std::vector<Transakcja> platnosci;
        if (i % 10 == 5)
            platnosci.emplace_back(inny, mojKlucz, 100000000, "");
        else if (i % 10 == 0)
            platnosci.emplace_back(ja, innyKlucz, 50000000, "");
        lancuch.wykopIDodajBlok(i % 2 == 0 ? mojKlucz : innyKlucz, platnosci);
    }
    static_cast<void>(zapiszLancuch(lancuch, folder + "/" + PLIK_LANCUCHA));
    return wpis->path();
}

// Okno w folderze danych lancucha; folder biezacy zostaje tam na czas pomiaru.
std::unique_ptr<MainWindow> oknoDla(int ile)
{
    QDir::setCurrent(folderZLancuchem(ile));
    return std::make_unique<MainWindow>(KatalogDanych::w("."), dziennikPomiaru(), QString{});
}

// Nastepny pomiar startuje od lancucha tej samej dlugosci (po pomiarze, bez mierzenia).
void przywrocDlugosc(int ile)
{
    Blockchain lancuch;
    static_cast<void>(wczytajLancuch(lancuch, PLIK_LANCUCHA));
    lancuch.obetnij(static_cast<std::size_t>(ile));
    static_cast<void>(zapiszLancuch(lancuch, PLIK_LANCUCHA));
}

void BM_WczytajLancuch(benchmark::State& stan)
{
    QDir::setCurrent(folderZLancuchem(static_cast<int>(stan.range(0))));
    for (auto _ : stan) {
        Blockchain ksiega;
        benchmark::DoNotOptimize(wczytajLancuch(ksiega, PLIK_LANCUCHA));
    }
}

// Migawka lancucha dla watku rozgloszenia (kopia mojLancuch w rozglosWTle).
void BM_KopiaLancucha(benchmark::State& stan)
{
    QDir::setCurrent(folderZLancuchem(static_cast<int>(stan.range(0))));
    Blockchain zrodlo;
    static_cast<void>(wczytajLancuch(zrodlo, PLIK_LANCUCHA));
    for (auto _ : stan) {
        Blockchain kopia = zrodlo;
        benchmark::DoNotOptimize(&kopia);
    }
}

void BM_NaOdswiezLancuch(benchmark::State& stan)
{
    auto okno = oknoDla(static_cast<int>(stan.range(0)));
    for (auto _ : stan) {
        PomiarOkna::odswiezLancuch(*okno);
        stan.PauseTiming();
        QCoreApplication::processEvents();
        stan.ResumeTiming();
    }
}

template <void (*Przebudowa)(MainWindow&)>
void BM_Przebudowa(benchmark::State& stan)
{
    auto okno = oknoDla(static_cast<int>(stan.range(0)));
    for (auto _ : stan)
        Przebudowa(*okno);
}

void BM_NaKopBlok(benchmark::State& stan)
{
    const int ile = static_cast<int>(stan.range(0));
    auto okno = oknoDla(ile);
    for (auto _ : stan) {
        PomiarOkna::kopBlok(*okno);
        // Wynik rozgloszenia (brak wezlow) wraca, zanim zacznie sie nastepny blok.
        stan.PauseTiming();
        while (okno->findChild<QWidget*>(QStringLiteral("buttonKop"))->isEnabled() == false)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        stan.ResumeTiming();
    }
    przywrocDlugosc(ile);
}

void BM_KopIZapisz(benchmark::State& stan)
{
    QDir::setCurrent(folderZLancuchem(static_cast<int>(stan.range(0))));
    const std::string klucz = kluczPublicznyHex(generujPareKluczy());
    const int ile = static_cast<int>(stan.range(0));
    for (auto _ : stan) {
        Blockchain ksiega;
        static_cast<void>(kopIZapisz(ksiega, klucz, PLIK_LANCUCHA, {}));
    }
    przywrocDlugosc(ile);
}

// Od konstrukcji okna (wczytanie i widoki) do bezczynnosci petli zdarzen po pokazaniu.
void BM_StartOknaDoBezczynnosci(benchmark::State& stan)
{
    QDir::setCurrent(folderZLancuchem(static_cast<int>(stan.range(0))));
    for (auto _ : stan) {
        MainWindow okno(KatalogDanych::w("."), dziennikPomiaru(), QString{});
        okno.show();
        QCoreApplication::processEvents();
        stan.PauseTiming();
        okno.hide();
        stan.ResumeTiming();
    }
    szczytPamieci(stan);
}

// Petla kopania dopisala blok: koszt watku okna od tykniecia podgladu pliku do bezczynnosci.
void BM_NowyBlokZPetliWOknie(benchmark::State& stan)
{
    const int ile = static_cast<int>(stan.range(0));
    auto okno = oknoDla(ile);
    okno->show();
    QCoreApplication::processEvents();
    Blockchain petla;
    petla.trudnosc = 0;
    static_cast<void>(wczytajLancuch(petla, PLIK_LANCUCHA));
    const std::string klucz = kluczPublicznyHex(generujPareKluczy());
    for (auto _ : stan) {
        stan.PauseTiming();
        {
            if (!kopIZapisz(petla, klucz, PLIK_LANCUCHA, {}).zapisano())
                stan.SkipWithError("blok nie trafil do pliku");
        }
        stan.ResumeTiming();
        PomiarOkna::sprawdzPlik(*okno);
        QCoreApplication::processEvents();
    }
    szczytPamieci(stan);
    okno.reset();
    przywrocDlugosc(ile);
}

// VmHWM procesu w MB; zerowany zapisem "5" do clear_refs.
double szczytOdZerowania()
{
    std::FILE* f = std::fopen("/proc/self/status", "r");
    char wiersz[256];
    long kb = -1;
    while (f != nullptr && std::fgets(wiersz, sizeof wiersz, f) != nullptr)
        if (std::sscanf(wiersz, "VmHWM: %ld", &kb) == 1)
            break;
    if (f != nullptr)
        std::fclose(f);
    return static_cast<double>(kb) / 1024.0;
}

void wyzerujSzczyt()
{
    if (std::FILE* f = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", f);
        std::fclose(f);
    }
}

// Szczyt pamieci procesu okna, gdy slucha (watek serwera z wlasnym lancuchem) i kopie w
// petli (watek z wlasnym lancuchem) przez `sekundy`; wszystko na lancuchu z pliku.
// Tylko w przestrzeni sieciowej (unshare -n): nasluch i ogloszenia.
void BM_SzczytOknaZNasluchemIPetla(benchmark::State& stan)
{
    const int ile = static_cast<int>(stan.range(0));
    constexpr qint64 SEKUNDY = 60;
    std::size_t wykopane = 0;
    QDir::setCurrent(folderZLancuchem(ile));
    double szczyt = 0;
    for (auto _ : stan) {
        // Szczyt od tej chwili: budowa lancucha do pomiaru sie nie liczy.
        wyzerujSzczyt();
        auto okno = oknoDla(ile);
        okno->show();
        QCoreApplication::processEvents();
        PomiarOkna::nasluchuj(*okno);
        PomiarOkna::kopWPetli(*okno);
        QElapsedTimer zegar;
        zegar.start();
        while (zegar.elapsed() < SEKUNDY * 1000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
        if (!PomiarOkna::nasluchAktywny(*okno))
            stan.SkipWithError("nasluch nie wystartowal");
        szczyt = szczytOdZerowania();
        PomiarOkna::kopWPetli(*okno);
        wykopane = PomiarOkna::bloki(*okno) - static_cast<std::size_t>(ile);
        PomiarOkna::nasluchuj(*okno);
        QCoreApplication::processEvents();
    }
    stan.counters["wykopane"] = static_cast<double>(wykopane);
    stan.counters["plik_MB"] =
        static_cast<double>(QFileInfo(QString::fromStdString(PLIK_LANCUCHA)).size()) / 1e6;
    stan.counters["szczyt_MB"] = szczyt;
    przywrocDlugosc(ile);
}

#define ROZMIARY ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
#define DO_MILIONA ROZMIARY->Arg(1000000)
BENCHMARK(BM_StartOknaDoBezczynnosci) DO_MILIONA->Iterations(3);
BENCHMARK(BM_NowyBlokZPetliWOknie) DO_MILIONA->Iterations(20);
BENCHMARK(BM_WczytajLancuch) DO_MILIONA->Iterations(3);
BENCHMARK(BM_SzczytOknaZNasluchemIPetla)->Arg(1000000)
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_NaOdswiezLancuch) ROZMIARY;
BENCHMARK(BM_KopiaLancucha) ROZMIARY;
BENCHMARK_TEMPLATE(BM_Przebudowa, PomiarOkna::lista) ROZMIARY;
BENCHMARK_TEMPLATE(BM_Przebudowa, PomiarOkna::przeglad) ROZMIARY;
BENCHMARK_TEMPLATE(BM_Przebudowa, PomiarOkna::odebrane) ROZMIARY;
// Kopanie przy trudnosci 4 trwa losowo dlugo: stala, wieksza liczba prob.
BENCHMARK(BM_KopIZapisz) ROZMIARY->Iterations(30);
BENCHMARK(BM_NaKopBlok) ROZMIARY->Iterations(30);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    return uruchomPomiary(argc, argv);
}
