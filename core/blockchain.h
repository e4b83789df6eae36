#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/blok.h"
#include "core/lancuch_blokow.h"
#include "core/pamiec_lancucha.h"

inline constexpr const char* NAZWA_MONETY = "Talvarin";
inline constexpr const char* SYMBOL_MONETY = "TLV";

// Trudnosc lancucha, ktory nie ustawil innej (takze kazdego odczytanego z tekstu).
inline constexpr int TRUDNOSC_DOMYSLNA = 4;

class Blockchain {
public:
    int trudnosc = TRUDNOSC_DOMYSLNA;
    LancuchBlokow lancuch;

    Blockchain();

    [[nodiscard]] const LancuchBlokow& pobierzLancuch() const { return lancuch; }
    [[nodiscard]] std::size_t liczbaBlokow() const { return lancuch.size(); }
    // Suma po wszystkich transakcjach; przy przepelnieniu nasyca sie na granicy int64.
    [[nodiscard]] std::int64_t saldo(const std::string& adres) const;
    // Saldo liczone od `poczatek` (saldo po blokach [0, od)) przez bloki od pozycji `od`.
    [[nodiscard]] std::int64_t saldoOd(std::size_t od, std::int64_t poczatek,
                                       const std::string& adres) const;
    [[nodiscard]] bool czyLancuchPoprawny() const;
    // False (bez nowego bloku), gdy `stop` przerwal szukanie dowodu pracy.
    bool wykopIDodajBlok(const std::string& adresGornika,
                         const std::vector<Transakcja>& oczekujace,
                         const std::stop_token& stop = {});
    void zastapLancuch(const std::vector<Blok>& bloki);
    void zastapLancuch(std::vector<Blok>&& bloki);
    void zastapLancuch(LancuchBlokow&& bloki);

    // Ponizej pamiec pomocnicza (nie nalezy do tekstu lancucha). Jest wazna, dopoki
    // lancuch zawiera jej punkt, dlatego bloki w srodku `lancuch` zmieniaja tylko metody.
    StanPliku plik;
    StanWalidacji walidacja;

    [[nodiscard]] Punkt punkt() const;
    // Czy lancuch nadal zaczyna sie blokami, ktore mial w chwili zapamietania punktu.
    [[nodiscard]] bool zawiera(const Punkt& p) const;
    // Dopisanie blokow na koncu: pamiec dla wczesniejszych blokow zostaje wazna.
    void dopiszBloki(std::vector<Blok>&& nowe);
    // Skraca lancuch do `liczba` blokow; pamiec dla dalszych blokow przestaje obowiazywac.
    void obetnij(std::size_t liczba);
    // Doprowadza zapamietane salda do konca lancucha; potem saldo() nie przechodzi calosci.
    void przygotujSalda();
    // Staje sie kopia `nowy` (bloki wspolne z nim), ale zostawia sobie trudnosc i te czesci
    // pamieci pomocniczej, ktore pasuja do nowego lancucha i siegaja dalej niz jego.
    void przejmijKopie(const Blockchain& nowy);

private:
    std::uint64_t epoka = nowaEpoka();
    Punkt punktSald;
    Salda salda;
};

// Saldo `adres` po blokach `bloki`, liczone od `poczatek` (jak Blockchain::saldoOd).
[[nodiscard]] std::int64_t saldoPoBlokach(std::int64_t poczatek, const std::vector<Blok>& bloki,
                                          const std::string& adres);

// Opis transakcji bloku genezy: "Blok Genezy - Start sieci Talvarin (TLV)".
[[nodiscard]] std::string opisGenezy();
