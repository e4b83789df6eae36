#pragma once
// Most miedzy wezlem a oknem: zdarzenia wezla (wolane na jego watkach) jako sygnaly Qt,
// ktore do zakladek docieraja w kolejce watku okna.

#include <QObject>
#include <QString>

#include "wezel/obserwator_wezla.h"

class MostWezla : public QObject, public ObserwatorWezla {
    Q_OBJECT

public:
    explicit MostWezla(QObject* rodzic = nullptr) : QObject(rodzic) {}

    void nasluchGotowy(int port, bool sukces) override { emit nasluchOtwarty(sukces, port); }
    void wykrytoWezel(const std::string& ip, int port) override
    {
        emit wezelWykryty(QString::fromStdString(ip), port);
    }
    void rozgloszono(const WynikRozgloszenia& wynik, CelRozgloszenia cel) override
    {
        emit rozgloszonoWTle(wynik, cel);
    }
    void bootstrapZakonczony() override { emit bootstrapSkonczony(); }
    void postepPobierania(const std::string& dawca, std::uint64_t mam,
                          std::uint64_t wszystkie) override
    {
        emit postep(QString::fromStdString(dawca), static_cast<qint64>(mam),
                    static_cast<qint64>(wszystkie));
    }
    void pobieranieZakonczone(const WynikPobieraniaOdWezlow& wynik, CelPobrania cel) override
    {
        emit pobrano(wynik.odrzuconySaldem, wynik.przyjeto, cel == CelPobrania::przedBlokiem);
    }
    void zapisNieudany() override { emit petlaKopaniaPrzerwana(); }

signals:
    void nasluchOtwarty(bool sukces, int port);
    void wezelWykryty(QString ip, int port);
    void rozgloszonoWTle(WynikRozgloszenia wynik, CelRozgloszenia cel);
    void bootstrapSkonczony();
    // Pobieranie lancucha od wezlow: postep (dawca "A:P") i koniec.
    void postep(QString dawca, qint64 mam, qint64 wszystkie);
    void pobrano(qint64 odrzuconySaldem, bool przyjeto, bool potemKop);
    // Petla kopania skonczyla sie sama, bo blok nie dal sie zapisac.
    void petlaKopaniaPrzerwana();
};
