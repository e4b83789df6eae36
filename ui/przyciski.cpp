#include "ui/przyciski.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QTimer>

#include "ui/kursor_czekania.h"
#include "ui/teksty_okna.h"

void zajmijPrzycisk(QPushButton* przycisk, const char* czynnosc)
{
    przycisk->setEnabled(false);
    przycisk->setText(trOkna(czynnosc));
}

void zwolnijPrzycisk(QPushButton* przycisk, const char* napis)
{
    przycisk->setText(trOkna(napis));
    przycisk->setEnabled(true);
}

void napisNaChwile(QPushButton* przycisk, const QString& napis, const char* potem, int czasMs)
{
    przycisk->setText(napis);
    QTimer::singleShot(czasMs, przycisk, [przycisk, potem] { przycisk->setText(trOkna(potem)); });
}

void zatrzymajZCzekaniem(QPushButton* przycisk, const std::function<void()>& zatrzymaj)
{
    zajmijPrzycisk(przycisk, TEKST_ZATRZYMYWANIE);
    QCoreApplication::processEvents();
    const KursorCzekania kursor;
    zatrzymaj();
}
