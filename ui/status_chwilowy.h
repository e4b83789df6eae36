#pragma once
// Komunikat pokazany w etykiecie na chwile: potem wraca poprzedni tekst, chyba ze ktos
// w tym czasie wpisal do etykiety cos innego.

#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>

class QLabel;

class StatusChwilowy : public QObject {
public:
    StatusChwilowy(QLabel* etykieta, std::chrono::milliseconds czas);

    // Kolejny komunikat w trakcie poprzedniego liczy czas od nowa; wraca tekst sprzed pierwszego.
    void pokaz(const QString& tekst);

private:
    void przywroc();

    QLabel* etykieta = nullptr;
    QTimer zegar;
    QString poprzedni;
    QString pokazany;
};
