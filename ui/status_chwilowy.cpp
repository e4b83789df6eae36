#include "ui/status_chwilowy.h"

#include <QLabel>

StatusChwilowy::StatusChwilowy(QLabel* etykieta, std::chrono::milliseconds czas)
    : QObject(etykieta), etykieta(etykieta)
{
    zegar.setSingleShot(true);
    zegar.setInterval(czas);
    connect(&zegar, &QTimer::timeout, this, &StatusChwilowy::przywroc);
}

void StatusChwilowy::pokaz(const QString& tekst)
{
    if (!zegar.isActive() || etykieta->text() != pokazany)
        poprzedni = etykieta->text();
    pokazany = tekst;
    etykieta->setText(tekst);
    zegar.start();
}

void StatusChwilowy::przywroc()
{
    // Nowszy stan (np. zatrzymany nasluch) zostaje: komunikat zniknal juz sam.
    if (etykieta->text() == pokazany)
        etykieta->setText(poprzedni);
}
