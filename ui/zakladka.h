#pragma once
// Wspolna czesc zakladek z formularza okna. Formularz tworzy zakladki, zanim powstana dane
// okna, wiec dane i formularz trafiaja do zakladki dopiero w przygotuj().

#include <QWidget>

class DaneOkna;
namespace Ui {
class MainWindow;
}

class Zakladka : public QWidget {
public:
    explicit Zakladka(QWidget* rodzic = nullptr) : QWidget(rodzic) {}

    // Po zbudowaniu formularza: polaczenia i pierwsze wypelnienie.
    void przygotuj(DaneOkna& daneOkna, Ui::MainWindow& formularz)
    {
        dane = &daneOkna;
        ui = &formularz;
        poPodpieciu();
    }

protected:
    // Wlasne przygotowanie zakladki; dane i ui sa juz ustawione.
    virtual void poPodpieciu() = 0;

    DaneOkna* dane = nullptr;
    Ui::MainWindow* ui = nullptr;
};
