#include "praca_wezla.h"

#include "plik_lancucha.h"
#include "wymiana_lancucha.h"

void pracaSerwera(int port, const std::string& klucz, const StopPredykat& stop,
                  const std::function<void(bool)>& gotowy)
{
    Blockchain prywatny;
    static_cast<void>(wczytajLancuch(prywatny, PLIK_LANCUCHA));
    nasluchujIPrzyjmujLancuchyWPetli(prywatny, port, PLIK_LANCUCHA, PLIK_WEZLOW, stop, gotowy,
                                     klucz);
}

void pracaSluchaczaObecnosci(int port, const std::string& idWezla, const StopPredykat& stop,
                             const WykrytoWezel& wykryto)
{
    nasluchujObecnosciWPetli(port, idWezla, PLIK_WEZLOW, stop, wykryto);
}

void pracaOglaszacza(int port, const std::string& idWezla, const std::string& klucz,
                     const std::string& nazwa, const std::atomic<bool>& stop)
{
    oglaszajObecnoscWPetli(port, idWezla, klucz, nazwa, stop);
}

bool petlaKopania(const std::string& klucz, int port, const std::atomic<bool>& stop,
                  const KopaczBloku& kop)
{
    // Rozgloszenie do zawieszonego wezla konczy sie zaraz po zatrzymaniu petli.
    const StopPredykat zatrzymano = [&stop] { return stop.load(); };
    const ZakresStopu zakres(zatrzymano);
    // Wlasny lancuch watku: kazde przejscie i tak wczytuje najnowszy plik pod blokada.
    Blockchain prywatny;
    while (!stop.load()) {
        // Dalsze kopanie tylko do pamieci byloby praca na nic.
        if (!kop(prywatny, klucz, PLIK_LANCUCHA, {}))
            return false;
        static_cast<void>(rozglosLancuch(prywatny, PLIK_WEZLOW, port));
    }
    return true;
}

void pracaRozgloszenia(const Blockchain& kopia, int port,
                       const std::function<void(const WynikRozgloszenia&)>& wynik)
{
    const WynikRozgloszenia policzone = rozglosLancuch(kopia, PLIK_WEZLOW, port);
    if (wynik)
        wynik(policzone);
}

void pracaBootstrapu(const Blockchain& kopia, const std::vector<Wezel>& seedy, int port,
                     const std::function<void()>& gotowe)
{
    ::bootstrapZSeedow(kopia, seedy, PLIK_WEZLOW, port, gotowe);
}
