#pragma once
// Zakladka Siec: nasluch, znane wezly, seedy, rozgloszenie na zadanie i postep pobierania.

#include <QString>

#include "ui/zakladka.h"

class ZakladkaSiec : public Zakladka {
private:
    void naNasluchuj();
    void naNasluchGotowy(bool sukces, int port);
    void wrocDoStanuBezNasluchu(const QString& status);
    void naWezelWykryty(const QString& ip, int port);
    void naDodajWezel();
    void naDodajSeed();
    void naUsunWezel();
    void naUsunSeed();
    void naRozgloscTeraz();
    void naRozgloszono(int sukcesy, int wszystkie);
    void naPostepPobierania(const QString& dawca, qint64 mam, qint64 wszystkie);
    void naPobrano();
    void odswiezWezly();
    void odswiezSeedy();
    void przeniesDoPrzewijania();
    void przygotujPola();
    void poPodpieciu() override;

    bool nasluchAktywny = false;
    // Tekst statusu sprzed klikniecia Nasluchuj, przywracany, gdy watek nie powstal.
    QString statusPrzedNasluchem;
    // Status nasluchu sprzed wierszy postepu pobierania i ostatni taki wiersz.
    QString statusPrzedPobieraniem;
    QString statusPobierania;
};
